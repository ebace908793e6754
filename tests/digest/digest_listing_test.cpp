#include "digest/digest_listing.h"

#include <gtest/gtest.h>

#include <map>

#include "framework/exceptions.h"
#include "tests/support/memory_stream.h"

namespace {
// Names that open as memory streams; any other name fails to open.
struct FakeFiles {
    std::map<std::string, std::string> contents;
    int opened = 0;
    StreamOpener Opener() {
        return [this](const std::string& name) -> std::unique_ptr<TStream> {
            const auto it = contents.find(name);
            if (it == contents.end())
                throw EFOpenError("cannot open " + name);
            ++opened;
            return std::make_unique<MemoryStream>(it->second);
        };
    }
};
}  // namespace

TEST(DigestListing, NameThenLowerCaseDigestForEachNameInOrder) {
    FakeFiles files{{{"C:\\a.txt", "abc"}, {"C:\\empty", ""}}};
    TStringList lines{"earlier line"};
    ListDigests(TStringList{"C:\\a.txt", "C:\\empty", "C:\\a.txt"}, lines, files.Opener());
    EXPECT_EQ(lines.Lines(), (std::vector<std::string>{
                                 "earlier line", "C:\\a.txt", "900150983cd24fb0d6963f7d28e17f72",
                                 "C:\\empty", "d41d8cd98f00b204e9800998ecf8427e", "C:\\a.txt",
                                 "900150983cd24fb0d6963f7d28e17f72"}));
}

TEST(DigestListing, AnOpenFailureStopsTheDropWithNoLineForThatName) {
    FakeFiles files{{{"a", "abc"}, {"c", "c"}}};
    TStringList lines;
    EXPECT_THROW(ListDigests(TStringList{"a", "b", "c"}, lines, files.Opener()), EFOpenError);
    EXPECT_EQ(lines.Lines(), (std::vector<std::string>{"a", "900150983cd24fb0d6963f7d28e17f72"}));
    EXPECT_EQ(files.opened, 1);
}

TEST(DigestListing, AReadFailureKeepsTheNameLineAndStops) {
    class FailingStream : public MemoryStream {
      public:
        FailingStream() : MemoryStream(PatternBytes(300)) {}
        std::int32_t Read(void* buffer, std::int32_t count) override {
            if (Position() >= 128)
                RaiseReadError(23);
            return MemoryStream::Read(buffer, count);
        }
    };
    TStringList lines;
    int opened = 0;
    const StreamOpener open = [&](const std::string&) -> std::unique_ptr<TStream> {
        ++opened;
        return std::make_unique<FailingStream>();
    };
    EXPECT_THROW(ListDigests(TStringList{"x", "y"}, lines, open), EReadError);
    EXPECT_EQ(lines.Lines(), (std::vector<std::string>{"x"}));
    EXPECT_EQ(opened, 1);
}

TEST(DigestListing, AnEmptyDropAppendsNothing) {
    FakeFiles files;
    TStringList lines{"kept"};
    ListDigests(TStringList{}, lines, files.Opener());
    EXPECT_EQ(lines.Lines(), (std::vector<std::string>{"kept"}));
}
