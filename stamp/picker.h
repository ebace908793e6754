#pragma once
// The value model behind a date or time picker: one held moment and three ways to set it.
// An on-screen control, when attached, is told of every new value and may refuse it.
#include "framework/exceptions.h"
#include "stamp/moment.h"

class EDateTimeError : public Exception {
    using Exception::Exception;
};

// Raised by an on-screen control that cannot show a value.
class ECommonCalendarError : public Exception {
    using Exception::Exception;
};

class PickerDisplay {
  public:
    virtual ~PickerDisplay() = default;
    // Shows the value, or raises ECommonCalendarError when the control refuses it.
    virtual void ShowMoment(Moment value) = 0;
};

class TDateTimePicker {
  public:
    explicit TDateTimePicker(Moment initial = 0.0) : held_(initial) {}

    // Both read the whole held moment: reading Date does not drop the time of day.
    Moment Date() const { return held_; }
    Moment Time() const { return held_; }

    // The held moment becomes value, date and time of day alike.
    void Replace(Moment value);
    // Keeps the held time of day and takes the date of value.
    void SetDate(Moment value);
    // Keeps the held date and takes the time of day of value; an equal time of day changes
    // nothing at all.
    void SetTime(Moment value);

    void AttachDisplay(PickerDisplay* display) { display_ = display; }

  private:
    void ReplaceChecked(Moment value);

    Moment held_;
    PickerDisplay* display_ = nullptr;
};

// Gives the time picker the date of the date picker and returns the result, the moment that
// dropped files are to bear.
Moment ComposeStampMoment(const TDateTimePicker& datePicker, TDateTimePicker& timePicker);
