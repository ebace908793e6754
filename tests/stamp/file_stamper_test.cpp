#include "stamp/file_stamper.h"

#include <gtest/gtest.h>

#include "framework/system_error.h"
#include "framework/text_encoding.h"
#include "tests/support/moments.h"
#include "tests/support/temp_dir.h"

namespace {

const ULONGLONG kOldTime = UtcFileTime(2001, 2, 3, 4, 5, 6);

class StampFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The expected UTC values below are Berlin's: one hour ahead in winter, two in summer.
        TIME_ZONE_INFORMATION zone;
        ::GetTimeZoneInformation(&zone);
        ASSERT_EQ(zone.Bias, -60) << "run with TZ=Europe/Berlin";
    }

    std::string OldFile(const std::string& name) {
        const std::string path = dir.File(name);
        SetTimesOf(path, kOldTime);
        return path;
    }

    static FileTimes All(ULONGLONG t) { return {t, t, t}; }

    // Stamps with the date of the date picker and the time of day of the time picker.
    void Stamp(const TStrings& files, Moment date, Moment timeOfDay,
               FileTimeWriter writer = SetAllFileTimes) {
        timePicker.Replace(timeOfDay);
        StampFiles(files, TDateTimePicker(date), timePicker, writer);
    }

    TempDir dir;
    TDateTimePicker timePicker;
};

std::string OpenFailure(const std::string& path, const char* systemText) {
    return "ファイル \"" + AnsiToUtf8(path) + "\". " + systemText + " は開けません";
}

}  // namespace

TEST_F(StampFilesTest, AllThreeTimesTakeTheMomentCutToItsEvenSecond) {
    const std::string a = OldFile("a.txt"), b = OldFile(WideToAnsi(L"資料・データ.txt"));
    Stamp(TStringList{a, b, a}, At(2024, 2, 29), At(2010, 5, 5, 10, 15, 37, 250));
    // 10:15:36 in Berlin's winter is 09:15:36 UTC.
    EXPECT_EQ(TimesOf(a), All(UtcFileTime(2024, 2, 29, 9, 15, 36)));
    EXPECT_EQ(TimesOf(b), All(UtcFileTime(2024, 2, 29, 9, 15, 36)));
    EXPECT_EQ(timePicker.Time(), At(2024, 2, 29, 10, 15, 37, 250));
}

TEST_F(StampFilesTest, UsesTheOffsetThatAppliesAtTheStampedMoment) {
    const std::string f = OldFile("f.txt");
    Stamp(TStringList{f}, At(2024, 7, 15), At(2000, 1, 1, 10));
    EXPECT_EQ(TimesOf(f), All(UtcFileTime(2024, 7, 15, 8, 0, 0)));
    Stamp(TStringList{f}, At(2024, 1, 15), At(2000, 1, 1, 10));
    EXPECT_EQ(TimesOf(f), All(UtcFileTime(2024, 1, 15, 9, 0, 0)));
}

TEST_F(StampFilesTest, StopsAtAReadOnlyFileWithItsFullPathAndTheSystemText) {
    const std::string a = OldFile("a.txt"), b = OldFile("b.txt"), c = OldFile("c.txt");
    ::SetFileAttributesA(b.c_str(), FILE_ATTRIBUTE_READONLY);
    try {
        Stamp(TStringList{a, b, c}, At(2024, 2, 29), At(2000, 1, 1, 12));
        FAIL() << "no error for the read-only file";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), OpenFailure(b, "アクセスが拒否されました。"));
    }
    EXPECT_EQ(TimesOf(a), All(UtcFileTime(2024, 2, 29, 11, 0, 0)));
    EXPECT_EQ(TimesOf(b), All(kOldTime));
    EXPECT_EQ(TimesOf(c), All(kOldTime));
}

TEST_F(StampFilesTest, AFileHeldOpenElsewhereIsASharingViolation) {
    const std::string a = OldFile("a.txt"), c = OldFile("c.txt");
    HeldOpen held(a);
    try {
        Stamp(TStringList{a, c}, At(2024, 2, 29), At(2000, 1, 1, 12));
        FAIL() << "no error for the held file";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), OpenFailure(a, "共有違反です。"));
    }
    EXPECT_EQ(TimesOf(c), All(kOldTime));
}

TEST_F(StampFilesTest, AFolderOrAMissingNameEndsTheDropWithTheFullPath) {
    const std::string folder = dir.Folder("sub"), after = OldFile("after.txt");
    char cwd[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, cwd);
    ::SetCurrentDirectoryA(dir.Path("").c_str());
    for (const std::string& name : {folder, std::string("missing.txt")}) {
        try {
            Stamp(TStringList{name, after}, At(2024, 2, 29), At(2000, 1, 1, 12));
            ADD_FAILURE() << "no error for " << name;
        } catch (const EFOpenError& e) {
            const std::string message = e.Message();
            const std::string head = "ファイル \"" + FullPathName(name) + "\". ";
            EXPECT_EQ(message.substr(0, head.size()), head);
            EXPECT_TRUE(message.ends_with(" は開けません")) << message;
        }
    }
    ::SetCurrentDirectoryA(cwd);
    EXPECT_EQ(TimesOf(after), All(kOldTime));
}

TEST_F(StampFilesTest, AMomentOutsideThePackableYearsOpensNoFile) {
    const std::string a = OldFile("a.txt");
    // Held open: an attempt to open it would fail with EFOpenError instead.
    HeldOpen held(a);
    for (Moment date : {At(1979, 12, 31), At(2108, 1, 1)}) {
        try {
            Stamp(TStringList{a}, date, At(2000, 1, 1, 12));
            ADD_FAILURE() << "no refusal";
        } catch (const EStampRangeError& e) {
            EXPECT_STREQ(
                e.what(),
                "ファイルの日付に設定できるのは 1980/01/01 から 2107/12/31 までの日時です");
        }
    }
    EXPECT_EQ(TimesOf(a), All(kOldTime));
}

TEST_F(StampFilesTest, AnEmptyDropStillComposes) {
    Stamp(TStringList{}, At(2020, 6, 1, 23), At(1990, 1, 1, 8));
    EXPECT_EQ(timePicker.Time(), At(2020, 6, 1, 8));
}

TEST_F(StampFilesTest, TimesThatCannotBeSetStopTheDropAtThatFile) {
    const std::string a = OldFile("a.txt"), b = OldFile("b.txt"), c = OldFile("c.txt");
    static int calls;
    calls = 0;
    const FileTimeWriter failOnSecond = [](HANDLE file, std::uint32_t packed) -> DWORD {
        return ++calls == 2 ? ERROR_ACCESS_DENIED : SetAllFileTimes(file, packed);
    };
    try {
        Stamp(TStringList{a, b, c}, At(2024, 2, 29), At(2000, 1, 1, 12), failOnSecond);
        FAIL() << "no error";
    } catch (const EFileTimeError& e) {
        EXPECT_EQ(e.Message(),
                  "ファイル \"" + b + "\". アクセスが拒否されました。 の日付を設定できません");
    }
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(TimesOf(a), All(UtcFileTime(2024, 2, 29, 11, 0, 0)));
    EXPECT_EQ(TimesOf(c), All(kOldTime));
}

TEST(SetAllFileTimes, AnInvalidPackedDateSetsNothingAndReportsTheError) {
    TempDir dir;
    const std::string f = dir.File("f.txt");
    SetTimesOf(f, kOldTime);
    HANDLE h = ::CreateFileA(f.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_NE(SetAllFileTimes(h, 0), 0u);
    ::CloseHandle(h);
    EXPECT_EQ(TimesOf(f), (FileTimes{kOldTime, kOldTime, kOldTime}));
}
