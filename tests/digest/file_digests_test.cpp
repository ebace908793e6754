#include "digest/file_digests.h"

#include <gtest/gtest.h>

#include "framework/exceptions.h"
#include "framework/text_encoding.h"
#include "tests/support/temp_dir.h"

namespace {
constexpr char kEmptyMd5[] = "d41d8cd98f00b204e9800998ecf8427e";
constexpr char kAbcMd5[] = "900150983cd24fb0d6963f7d28e17f72";

std::string OpenFailure(const std::string& path, const char* systemText) {
    return "ファイル \"" + AnsiToUtf8(path) + "\". " + systemText + " は開けません";
}
}  // namespace

TEST(FileDigests, EmptyReadOnlyAndRepeatedFilesOverTwoDrops) {
    TempDir dir;
    const std::string empty = dir.File("empty.txt", "");
    const std::string abc = dir.File(WideToAnsi(L"読み取り専用.txt"), "abc");
    ::SetFileAttributesA(abc.c_str(), FILE_ATTRIBUTE_READONLY);

    TStringList lines;
    ListFileDigests(TStringList{empty, abc, abc}, lines);
    ListFileDigests(TStringList{abc}, lines);
    EXPECT_EQ(lines.Lines(), (std::vector<std::string>{empty, kEmptyMd5, abc, kAbcMd5, abc, kAbcMd5,
                                                       abc, kAbcMd5}));
}

TEST(FileDigests, AFolderSecondOfThreeEndsTheDropAfterTheFirst) {
    TempDir dir;
    const std::string a = dir.File("a.txt", "abc"), folder = dir.Folder("sub"),
                      c = dir.File("c.txt", "abc");
    TStringList lines;
    try {
        ListFileDigests(TStringList{a, folder, c}, lines);
        FAIL() << "no error for the folder";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), OpenFailure(folder, "アクセスが拒否されました。"));
    }
    EXPECT_EQ(lines.Lines(), (std::vector<std::string>{a, kAbcMd5}));
}

TEST(FileDigests, AFileHeldOpenElsewhereCannotBeRead) {
    TempDir dir;
    const std::string a = dir.File("a.txt", "abc");
    HeldOpen held(a);
    TStringList lines;
    try {
        ListFileDigests(TStringList{a}, lines);
        FAIL() << "no error for the held file";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), OpenFailure(a, "共有違反です。"));
    }
    EXPECT_EQ(lines.Count(), 0);
}

TEST(FileDigests, ASparseFileOverFourGibibytesIsDigestedWhole) {
    TempDir dir;
    const std::string big = dir.Path("big.bin");
    HANDLE h = ::CreateFileA(big.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size;
    size.QuadPart = (LONGLONG{1} << 32) + 65;
    ASSERT_TRUE(::SetFilePointerEx(h, size, nullptr, FILE_BEGIN));
    ASSERT_TRUE(::SetEndOfFile(h));
    ::CloseHandle(h);

    TStringList lines;
    ListFileDigests(TStringList{big}, lines);
    // 2^32 + 65 zero bytes, from md5sum.
    EXPECT_EQ(lines.Lines(), (std::vector<std::string>{big, "6ae96928b07744bdabfe9dd4ce7b7767"}));
}
