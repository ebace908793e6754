#include "stamp/system_clock.h"

#include <windows.h>

Moment SystemLocalClock::Now() {
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    return MomentFromFields(
        {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds});
}
