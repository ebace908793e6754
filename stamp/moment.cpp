#include "stamp/moment.h"

#include <cmath>
#include <cstdlib>

namespace {

// Day 0 of a moment, 1899-12-30, counted from 1970-01-01.
constexpr std::int64_t kEpochDaysFromUnix = -25'569;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146'097 + static_cast<std::int64_t>(doe) - 719'468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719'468;
    const std::int64_t era = (z >= 0 ? z : z - 146'096) / 146'097;
    const auto doe = static_cast<unsigned>(z - era * 146'097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36'524 - doe / 146'096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

}  // namespace

Moment DatePart(Moment m) {
    return std::trunc(m);
}

Moment TimePart(Moment m) {
    return std::fabs(m - std::trunc(m));
}

Moment CombineDateAndTime(Moment datePart, Moment timePart) {
    return datePart >= 0 ? datePart + timePart : datePart - timePart;
}

MomentFields SplitMoment(Moment m) {
    // nearbyint honours the default rounding mode, round half to even.
    const auto count = static_cast<std::int64_t>(std::nearbyint(m * kMillisecondsPerDay));
    const std::int64_t magnitude = count < 0 ? -count : count;
    std::int64_t dayNumber = magnitude / kMillisecondsPerDay;
    const std::int64_t ms = magnitude % kMillisecondsPerDay;
    if (count < 0)
        dayNumber = -dayNumber;

    MomentFields f{};
    CivilFromDays(dayNumber + kEpochDaysFromUnix, f.year, f.month, f.day);
    f.hour = static_cast<int>(ms / 3'600'000);
    f.minute = static_cast<int>(ms / 60'000 % 60);
    f.second = static_cast<int>(ms / 1'000 % 60);
    f.millisecond = static_cast<int>(ms % 1'000);
    return f;
}

Moment MomentFromFields(const MomentFields& f) {
    const auto dayNumber = static_cast<Moment>(
        DaysFromCivil(f.year, static_cast<unsigned>(f.month), static_cast<unsigned>(f.day)) -
        kEpochDaysFromUnix);
    const std::int64_t ms =
        f.hour * 3'600'000LL + f.minute * 60'000LL + f.second * 1'000LL + f.millisecond;
    return CombineDateAndTime(dayNumber, static_cast<Moment>(ms) / kMillisecondsPerDay);
}

std::uint32_t PackFileDate(Moment m) {
    const MomentFields f = SplitMoment(m);
    if (f.year < 1980 || f.year > 2107)
        return 0;
    const auto dateWord = static_cast<std::uint32_t>((f.year - 1980) * 512 + f.month * 32 + f.day);
    const auto timeWord = static_cast<std::uint32_t>(f.hour * 2048 + f.minute * 32 + f.second / 2);
    return dateWord << 16 | timeWord;
}

bool IsValidPackedFileDate(std::uint32_t packed) {
    const int year = static_cast<int>(packed >> 25) + 1980;
    const int month = static_cast<int>(packed >> 21 & 0xF);
    const int day = static_cast<int>(packed >> 16 & 0x1F);
    const int hour = static_cast<int>(packed >> 11 & 0x1F);
    const int minute = static_cast<int>(packed >> 5 & 0x3F);
    const int halfSeconds = static_cast<int>(packed & 0x1F);
    if (month < 1 || month > 12 || day < 1 || hour > 23 || minute > 59 || halfSeconds > 29) {
        return false;
    }
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    constexpr int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return day <= kDaysInMonth[month - 1] + (month == 2 && leap);
}
