#pragma once
// The two presets behind the window's buttons. The clock is a seam so tests can drive it.
#include "stamp/moment.h"
#include "stamp/picker.h"

class LocalClock {
  public:
    virtual ~LocalClock() = default;
    // The current local date and time to the millisecond.
    virtual Moment Now() = 0;
};

// Both pickers take the current moment; the time picker's comes from a second reading.
void PresetCurrentTime(TDateTimePicker& datePicker, TDateTimePicker& timePicker, LocalClock& clock);

// Both pickers take the nearest midnight: the one that began today before noon, the coming one
// from noon on.
void PresetNearestMidnight(TDateTimePicker& datePicker, TDateTimePicker& timePicker,
                           LocalClock& clock);
