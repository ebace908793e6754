#include <gtest/gtest.h>

#include <vector>

#include "stamp/picker.h"
#include "tests/support/moments.h"

TEST(Picker, DateKeepsTimeOfDayAndTimeKeepsDate) {
    TDateTimePicker picker(At(2010, 5, 5, 7, 30));
    picker.SetDate(At(2004, 1, 23, 22, 6, 20));
    EXPECT_EQ(picker.Date(), At(2004, 1, 23, 7, 30));
    picker.SetTime(At(1999, 9, 9, 18, 45));
    EXPECT_EQ(picker.Time(), At(2004, 1, 23, 18, 45));
}

TEST(Picker, AnEqualTimeOfDayChangesNothingAtAll) {
    struct CountingDisplay : PickerDisplay {
        int shown = 0;
        void ShowMoment(Moment) override { ++shown; }
    } display;
    TDateTimePicker picker(At(2004, 1, 23, 7, 30));
    picker.AttachDisplay(&display);
    picker.SetTime(At(2030, 6, 1, 7, 30));
    EXPECT_EQ(picker.Time(), At(2004, 1, 23, 7, 30));
    EXPECT_EQ(display.shown, 0);
}

TEST(Picker, RefusesTheZeroMomentAndKeepsItsValue) {
    TDateTimePicker picker(At(1899, 12, 30, 8));
    try {
        picker.SetTime(0.0);
        FAIL() << "no refusal";
    } catch (const EDateTimeError& e) {
        EXPECT_STREQ(e.what(),
                     "この日付を設定するには ShowCheckbox モードになっている必要があります。");
    }
    EXPECT_EQ(picker.Time(), At(1899, 12, 30, 8));
    // Replacing outright is no combination and is not refused.
    picker.Replace(0.0);
    EXPECT_EQ(picker.Date(), 0.0);
}

TEST(Picker, AControlThatRefusesGetsTheFormerValueBack) {
    struct RefusingDisplay : PickerDisplay {
        std::vector<Moment> shown;
        void ShowMoment(Moment m) override {
            shown.push_back(m);
            if (m > 100000)
                throw ECommonCalendarError("カレンダーに日付時刻を設定できません。");
        }
    } display;
    TDateTimePicker picker(At(2004, 1, 23));
    picker.AttachDisplay(&display);
    EXPECT_THROW(picker.Replace(200000.0), ECommonCalendarError);
    EXPECT_EQ(picker.Date(), At(2004, 1, 23));
    EXPECT_EQ(display.shown, (std::vector<Moment>{200000.0, At(2004, 1, 23)}));
}

TEST(ComposeStampMoment, TakesDateFromOnePickerAndTimeFromTheOther) {
    const TDateTimePicker datePicker(At(2004, 1, 23, 22, 6, 20));
    TDateTimePicker timePicker(At(2010, 5, 5, 7, 30, 44, 500));
    const Moment stamp = ComposeStampMoment(datePicker, timePicker);
    EXPECT_EQ(stamp, At(2004, 1, 23, 7, 30, 44, 500));
    EXPECT_EQ(timePicker.Time(), stamp);
    EXPECT_EQ(PackFileDate(stamp), 0x30373BD6u);
}

TEST(ComposeStampMoment, BeforeTheEpochFollowsTheMinusRule) {
    const TDateTimePicker datePicker(At(1850, 6, 1, 3));
    TDateTimePicker timePicker(At(2010, 5, 5, 7, 30));
    const Moment stamp = ComposeStampMoment(datePicker, timePicker);
    EXPECT_EQ(SplitMoment(stamp), (MomentFields{1850, 6, 1, 7, 30, 0, 0}));
    EXPECT_EQ(PackFileDate(stamp), 0u);
}

TEST(ComposeStampMoment, EpochMidnightIsRefusedAndTheTimePickerKept) {
    const TDateTimePicker datePicker(At(1899, 12, 30, 15));
    TDateTimePicker timePicker(At(2010, 5, 5));
    EXPECT_THROW(ComposeStampMoment(datePicker, timePicker), EDateTimeError);
    EXPECT_EQ(timePicker.Time(), At(2010, 5, 5));
}
