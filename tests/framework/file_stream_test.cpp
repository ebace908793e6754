#include "framework/file_stream.h"

#include <gtest/gtest.h>

#include "framework/exceptions.h"
#include "tests/support/temp_dir.h"

namespace {
std::string Pattern(std::size_t size) {
    std::string s(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        s[i] = static_cast<char>(i * 7 + i / 251);
    return s;
}
}  // namespace

TEST(FileStream, SmallLargeAndRepositionedReadsSeeTheFileAsItIs) {
    TempDir dir;
    const std::string content = Pattern(3 * TBufferedReadStream::kBufferSize + 1234);
    TFileStream s(dir.File("f.bin", content), fmOpenRead);
    EXPECT_EQ(s.Size(), static_cast<std::int64_t>(content.size()));

    std::string got;
    char block[64];
    // Small reads across the first refill of the buffer.
    for (int i = 0; i < TBufferedReadStream::kBufferSize / 64 + 10; ++i) {
        ASSERT_EQ(s.Read(block, 64), 64);
        got.append(block, 64);
    }
    // A read larger than the buffer, straddling what is buffered.
    std::string big(TBufferedReadStream::kBufferSize + 100, '\0');
    ASSERT_EQ(s.Read(big.data(), static_cast<std::int32_t>(big.size())),
              static_cast<std::int32_t>(big.size()));
    got += big;
    std::string rest(content.size(), '\0');
    const std::int32_t n = s.Read(rest.data(), static_cast<std::int32_t>(rest.size()));
    got.append(rest.data(), static_cast<std::size_t>(n));
    EXPECT_EQ(got, content);
    EXPECT_EQ(s.Position(), s.Size());
    EXPECT_EQ(s.Read(block, 64), 0);

    s.SetPosition(5);
    ASSERT_EQ(s.Read(block, 10), 10);
    EXPECT_EQ(std::string(block, 10), content.substr(5, 10));
    s.SetPosition(2 * TBufferedReadStream::kBufferSize - 3);
    ASSERT_EQ(s.Read(block, 6), 6);
    EXPECT_EQ(std::string(block, 6), content.substr(2 * TBufferedReadStream::kBufferSize - 3, 6));
}

TEST(FileStream, ReadOnlyFilesOpenForReadingOnly) {
    TempDir dir;
    const std::string f = dir.File("ro.txt", "abc");
    ::SetFileAttributesA(f.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_NO_THROW(TFileStream(f, fmOpenRead));
    EXPECT_THROW(TFileStream(f, fmOpenReadWrite), EFOpenError);
}

TEST(FileStream, ANewOpenNeverCreatesAFile) {
    TempDir dir;
    EXPECT_THROW(TFileStream(dir.Path("none.txt"), fmOpenReadWrite), EFOpenError);
    EXPECT_EQ(::GetFileAttributesA(dir.Path("none.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(FileStream, AReadErrorNamesTheFileAndTheSystemText) {
    TempDir dir;
    const std::string f = dir.File("r.bin", "abc");
    TFileStream s(f, fmOpenRead);
    try {
        s.RaiseReadError(ERROR_CRC);
        FAIL() << "no error";
    } catch (const EReadError& e) {
        const std::string message = e.Message();
        EXPECT_EQ(message.rfind("ファイル \"" + f + "\". ", 0), 0u) << message;
        EXPECT_TRUE(message.ends_with(" は読み込めません")) << message;
        EXPECT_GT(message.size(), f.size() + 40) << "no system text in: " << message;
    }
}
