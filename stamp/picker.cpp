#include "stamp/picker.h"

namespace {
// 1899-12-30 00:00:00.000 is what the picker controls reserve for "no date".
constexpr char kZeroMomentRefused[] =
    "この日付を設定するには ShowCheckbox モードになっている必要があります。";
}  // namespace

void TDateTimePicker::Replace(Moment value) {
    if (display_ != nullptr) {
        try {
            display_->ShowMoment(value);
        } catch (const ECommonCalendarError&) {
            display_->ShowMoment(held_);
            throw;
        }
    }
    held_ = value;
}

void TDateTimePicker::ReplaceChecked(Moment value) {
    if (value == 0.0)
        throw EDateTimeError(kZeroMomentRefused);
    Replace(value);
}

void TDateTimePicker::SetDate(Moment value) {
    ReplaceChecked(CombineDateAndTime(DatePart(value), TimePart(held_)));
}

void TDateTimePicker::SetTime(Moment value) {
    if (TimePart(value) == TimePart(held_))
        return;
    ReplaceChecked(CombineDateAndTime(DatePart(held_), TimePart(value)));
}

Moment ComposeStampMoment(const TDateTimePicker& datePicker, TDateTimePicker& timePicker) {
    timePicker.SetDate(datePicker.Date());
    return timePicker.Time();
}
