#include "framework/buffered_stream.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/memory_stream.h"

namespace {
// A source over bytes in memory that counts how often it is reached.
class CountingSource final : public TBufferedReadStream {
  public:
    explicit CountingSource(std::string bytes) : bytes_(std::move(bytes)) {}
    std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }
    int reads = 0;

  private:
    void SeekSource(std::int64_t offset) override { offset_ = static_cast<std::size_t>(offset); }
    std::int32_t ReadSource(char* dest, std::int32_t count) override {
        ++reads;
        const std::size_t n = std::min(bytes_.size() - std::min(offset_, bytes_.size()),
                                       static_cast<std::size_t>(count));
        std::memcpy(dest, bytes_.data() + offset_, n);
        offset_ += n;
        return static_cast<std::int32_t>(n);
    }
    std::string bytes_;
    std::size_t offset_ = 0;
};
}  // namespace

TEST(BufferedReadStream, SmallReadsReachTheSourceOncePerBuffer) {
    const std::size_t size = 2 * TBufferedReadStream::kBufferSize + 100;
    const std::string content = PatternBytes(size);
    CountingSource s(content);
    std::string got;
    char block[64];
    std::int32_t n;
    while ((n = s.Read(block, 64)) > 0)
        got.append(block, static_cast<std::size_t>(n));
    EXPECT_EQ(got, content);
    // Three fills; then the short read at the end and the empty one after it each ask again.
    EXPECT_EQ(s.reads, 5);
}

TEST(BufferedReadStream, LargeReadsSeeksAndTheEnd) {
    const std::string content = PatternBytes(3 * TBufferedReadStream::kBufferSize + 7);
    CountingSource s(content);
    char small[10];
    ASSERT_EQ(s.Read(small, 10), 10);
    // Larger than the buffer: the buffered rest first, then straight from the source.
    std::string big(TBufferedReadStream::kBufferSize + 50, '\0');
    ASSERT_EQ(s.Read(big.data(), static_cast<std::int32_t>(big.size())),
              static_cast<std::int32_t>(big.size()));
    EXPECT_EQ(big, content.substr(10, big.size()));
    // Back into what was read before, and then past the end.
    s.SetPosition(3);
    ASSERT_EQ(s.Read(small, 10), 10);
    EXPECT_EQ(std::string(small, 10), content.substr(3, 10));
    s.SetPosition(static_cast<std::int64_t>(content.size()) - 4);
    EXPECT_EQ(s.Read(small, 10), 4);
    EXPECT_EQ(s.Position(), static_cast<std::int64_t>(content.size()));
    EXPECT_EQ(s.Read(small, 10), 0);
    s.SetPosition(static_cast<std::int64_t>(content.size()) + 100);
    EXPECT_EQ(s.Read(small, 10), 0);
}
