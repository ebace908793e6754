#pragma once
// A moment is a count of days since 1899-12-30 00:00 local time. Days before that epoch are
// negative and their time of day counts away from zero too: -1.25 is 1899-12-29 06:00.
#include <cstdint>

using Moment = double;

constexpr std::int64_t kMillisecondsPerDay = 86'400'000;

struct MomentFields {
    int year, month, day;
    int hour, minute, second, millisecond;
    bool operator==(const MomentFields&) const = default;
};

// Integral part, truncated toward zero.
Moment DatePart(Moment m);
// Absolute value of what remains after the date part: 0 <= t < 1.
Moment TimePart(Moment m);
// D + t for D >= 0, D - t for a negative date part.
Moment CombineDateAndTime(Moment datePart, Moment timePart);

// Splits after rounding to the nearest millisecond (ties to even), Gregorian calendar
// extended backwards.
MomentFields SplitMoment(Moment m);
Moment MomentFromFields(const MomentFields& f);

// Packs into the MS-DOS date (upper 16 bits) and time (lower 16 bits); 0 outside 1980..2107.
std::uint32_t PackFileDate(Moment m);

// Whether every field lies in its range and the day exists in its month; 0 is not valid.
bool IsValidPackedFileDate(std::uint32_t packed);
