#include <gtest/gtest.h>

#include <deque>

#include "stamp/presets.h"
#include "tests/support/moments.h"

namespace {
// Hands out its readings in order, and fails the test when asked once too often.
class ScriptedClock : public LocalClock {
  public:
    explicit ScriptedClock(std::initializer_list<Moment> readings) : readings_(readings) {}
    Moment Now() override {
        if (readings_.empty()) {
            ADD_FAILURE() << "clock read too often";
            return 0;
        }
        const Moment m = readings_.front();
        readings_.pop_front();
        return m;
    }

  private:
    std::deque<Moment> readings_;
};
}  // namespace

TEST(PresetCurrentTime, EachPickerGetsItsOwnReading) {
    ScriptedClock clock{At(2026, 12, 11, 9, 0, 0, 1), At(2026, 12, 11, 9, 0, 0, 2)};
    TDateTimePicker date(1.0), time(2.0);
    PresetCurrentTime(date, time, clock);
    EXPECT_EQ(date.Date(), At(2026, 12, 11, 9, 0, 0, 1));
    EXPECT_EQ(time.Time(), At(2026, 12, 11, 9, 0, 0, 2));
}

TEST(PresetNearestMidnight, BeforeNoonTodayFromNoonTomorrow) {
    struct Case {
        Moment now;
        Moment expected;
    } cases[] = {
        {At(2026, 3, 4, 11, 59, 59, 999), At(2026, 3, 4)},
        {At(2026, 3, 4, 12, 0, 0, 0), At(2026, 3, 5)},
        {At(2026, 12, 31, 23, 30), At(2027, 1, 1)},
        {At(2026, 3, 4, 0, 0, 0, 0), At(2026, 3, 4)},
    };
    for (const Case& c : cases) {
        ScriptedClock clock{c.now, c.now, c.now};
        TDateTimePicker date(At(2001, 1, 1, 17, 45)), time(At(2002, 2, 2, 3, 4));
        PresetNearestMidnight(date, time, clock);
        EXPECT_EQ(date.Date(), c.expected) << SplitMoment(c.now).hour;
        EXPECT_EQ(time.Time(), c.expected);
    }
}
