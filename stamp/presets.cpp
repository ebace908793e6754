#include "stamp/presets.h"

void PresetCurrentTime(TDateTimePicker& datePicker, TDateTimePicker& timePicker,
                       LocalClock& clock) {
    datePicker.Replace(clock.Now());
    timePicker.Replace(clock.Now());
}

void PresetNearestMidnight(TDateTimePicker& datePicker, TDateTimePicker& timePicker,
                           LocalClock& clock) {
    const bool beforeNoon = SplitMoment(clock.Now()).hour < 12;
    datePicker.SetDate(beforeNoon ? clock.Now() : clock.Now() + 1.0);
    datePicker.SetTime(0.0);
    timePicker.Replace(datePicker.Date());
}
