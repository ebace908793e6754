#include "stamp/picker_control.h"

#include <commctrl.h>

namespace {

constexpr char kCalendarRefused[] = "カレンダーに日付時刻を設定できません。";

bool ToSystemTime(Moment m, SYSTEMTIME& st) {
    const MomentFields f = SplitMoment(m);
    if (f.year < 1601 || f.year > 30827)
        return false;
    st = {static_cast<WORD>(f.year),   static_cast<WORD>(f.month),      0,
          static_cast<WORD>(f.day),    static_cast<WORD>(f.hour),       static_cast<WORD>(f.minute),
          static_cast<WORD>(f.second), static_cast<WORD>(f.millisecond)};
    return true;
}

Moment FromSystemTime(const SYSTEMTIME& st) {
    return MomentFromFields(
        {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds});
}

}  // namespace

TDateTimePickerControl::TDateTimePickerControl(TComponent* owner, TDateTimeKind kind)
    : TWinControl(owner), kind_(kind) {
    SetTabStop(true);
    model_.AttachDisplay(this);
}

TDateTimePickerControl::~TDateTimePickerControl() {
    model_.AttachDisplay(nullptr);
}

TWinControl::CreateParams TDateTimePickerControl::GetCreateParams() {
    const DWORD style = kind_ == TDateTimeKind::Date ? DTS_SHORTDATEFORMAT : DTS_TIMEFORMAT;
    return {DATETIMEPICK_CLASSW, style, 0};
}

void TDateTimePickerControl::CreateWnd() {
    // Any moment the model holds, as far as the control can show it.
    const SYSTEMTIME earliest{1601, 1, 0, 1, 0, 0, 0, 0}, latest{9999, 12, 0, 31, 23, 59, 59, 999};
    const SYSTEMTIME range[2] = {earliest, latest};
    ::SendMessageW(WindowHandle(), DTM_SETRANGE, GDTR_MIN | GDTR_MAX,
                   reinterpret_cast<LPARAM>(range));
    ShowMoment(model_.Date());
}

void TDateTimePickerControl::ShowMoment(Moment value) {
    if (!HandleAllocated())
        return;
    SYSTEMTIME st;
    if (!ToSystemTime(value, st) || !::SendMessageW(WindowHandle(), DTM_SETSYSTEMTIME, GDT_VALID,
                                                    reinterpret_cast<LPARAM>(&st))) {
        throw ECommonCalendarError(kCalendarRefused);
    }
}

LRESULT TDateTimePickerControl::Notify(NMHDR* header) {
    if (header->code != DTN_DATETIMECHANGE)
        return 0;
    const auto* change = reinterpret_cast<NMDATETIMECHANGE*>(header);
    if (change->dwFlags != GDT_VALID)
        return 0;
    const Moment edited = FromSystemTime(change->st);
    // The user's edit: the date picker takes the date, the time picker the time of day. When the
    // model refuses, the control goes back to what the model holds.
    try {
        if (kind_ == TDateTimeKind::Date) {
            model_.SetDate(edited);
        } else {
            model_.SetTime(edited);
        }
    } catch (...) {
        SYSTEMTIME st;
        if (ToSystemTime(model_.Date(), st)) {
            ::SendMessageW(WindowHandle(), DTM_SETSYSTEMTIME, GDT_VALID,
                           reinterpret_cast<LPARAM>(&st));
        }
        throw;
    }
    return 0;
}
