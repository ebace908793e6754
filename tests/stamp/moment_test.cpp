#include <gtest/gtest.h>

#include "stamp/moment.h"
#include "tests/support/moments.h"

TEST(PackFileDate, EdgesOfTheRangeAndTheRoundingBeforeTheYearTest) {
    struct Case {
        const char* what;
        Moment moment;
        std::uint32_t packed;
    } cases[] = {
        {"first moment", At(1980, 1, 1), 0x00210000},
        {"last second", At(2107, 12, 31, 23, 59, 59), 0xFF9FBF7D},
        {"just before 1980", At(1979, 12, 31, 23, 59, 59, 999), 0},
        {"first moment after 2107", At(2108, 1, 1), 0},
        {"0.4 ms before 1980 rounds up into it", At(1980, 1, 1) - 0.4 * kOneMillisecond,
         0x00210000},
        {"0.4 ms before 2108 rounds up out of range", At(2108, 1, 1) - 0.4 * kOneMillisecond, 0},
        {"odd second goes down", At(2024, 2, 29, 10, 15, 37), 0x585D51F2},
        {"milliseconds are dropped", At(2024, 2, 29, 10, 15, 36, 999), 0x585D51F2},
        {"midnight has time word 0", At(2004, 1, 23), 0x30370000},
        {"a day before the epoch", -700000.5, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PackFileDate(c.moment), c.packed) << c.what;
    }
}

TEST(SplitMoment, MinusRuleBeforeTheEpoch) {
    EXPECT_EQ(SplitMoment(-1.25), (MomentFields{1899, 12, 29, 6, 0, 0, 0}));
    EXPECT_EQ(SplitMoment(-0.75), (MomentFields{1899, 12, 30, 18, 0, 0, 0}));
    EXPECT_EQ(SplitMoment(0.0), (MomentFields{1899, 12, 30, 0, 0, 0, 0}));
    EXPECT_EQ(At(1899, 12, 29, 6), -1.25);
}

TEST(SplitMoment, RoundsToTheMillisecondFirst) {
    // Within half a millisecond before midnight is midnight of the next day.
    EXPECT_EQ(SplitMoment(At(2000, 12, 31) + 1.0 - 0.3 * kOneMillisecond),
              (MomentFields{2001, 1, 1, 0, 0, 0, 0}));
    // A tie goes to the even neighbour.
    const Moment twoAndAHalf = 2.5 / 86'400'000;
    ASSERT_EQ(twoAndAHalf * 86'400'000, 2.5);
    EXPECT_EQ(SplitMoment(twoAndAHalf).millisecond, 2);
    const Moment threeAndAHalf = 3.5 / 86'400'000;
    ASSERT_EQ(threeAndAHalf * 86'400'000, 3.5);
    EXPECT_EQ(SplitMoment(threeAndAHalf).millisecond, 4);
}

TEST(SplitMoment, GregorianCalendarBothWaysRoundTrips) {
    const MomentFields dates[] = {
        {1600, 2, 29, 12, 0, 0, 0}, {1700, 3, 1, 1, 2, 3, 4},      {1899, 12, 31, 23, 59, 59, 999},
        {1900, 2, 28, 0, 0, 0, 1},  {2000, 2, 29, 13, 14, 15, 16}, {2100, 3, 1, 0, 0, 0, 0},
        {1, 1, 1, 0, 0, 0, 0},      {9999, 12, 31, 23, 59, 59, 0},
    };
    for (const MomentFields& f : dates) {
        EXPECT_EQ(SplitMoment(MomentFromFields(f)), f) << f.year << "-" << f.month << "-" << f.day;
    }
    EXPECT_EQ(At(1900, 3, 1) - At(1900, 2, 28), 1.0);  // 1900 is no leap year
    EXPECT_EQ(At(2000, 3, 1) - At(2000, 2, 28), 2.0);  // 2000 is one
}

TEST(MomentParts, DateTruncatesTowardZeroAndTimeIsAbsolute) {
    EXPECT_EQ(DatePart(-1.25), -1.0);
    EXPECT_EQ(TimePart(-1.25), 0.25);
    EXPECT_EQ(DatePart(3.75), 3.0);
    EXPECT_EQ(TimePart(3.75), 0.75);
    EXPECT_EQ(CombineDateAndTime(-2.0, 0.5), -2.5);
    EXPECT_EQ(CombineDateAndTime(2.0, 0.5), 2.5);
}

TEST(IsValidPackedFileDate, FieldRangesAndDaysOfTheMonth) {
    struct Case {
        std::uint32_t packed;
        bool valid;
    } cases[] = {
        {0, false},
        {0x00210000, true},              // 1980-01-01 00:00:00
        {0xFF9FBF7D, true},              // 2107-12-31 23:59:58
        {0x00200000, false},             // day 0
        {0x01A10000, false},             // month 13
        {0x585D0000, true},              // 2024-02-29
        {0x5A5D0000, false},             // 2025-02-29
        {0x28500000, true},              // 2000-02-16
        {0x285D0000, true},              // 2000-02-29: 2000 is a leap year
        {0x00C00000 | 31 << 16, false},  // 1980-06-31
        {0x00210000 | 24 << 11, false},  // hour 24
        {0x00210000 | 60 << 5, false},   // minute 60
        {0x00210000 | 30, false},        // second 60
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsValidPackedFileDate(c.packed), c.valid) << std::hex << c.packed;
    }
    for (Moment m : {At(1980, 1, 1), At(2107, 12, 31, 23, 59, 59), At(2024, 2, 29, 10, 15, 37)}) {
        EXPECT_TRUE(IsValidPackedFileDate(PackFileDate(m)));
    }
}
