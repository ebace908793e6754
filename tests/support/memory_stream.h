#pragma once
// Streams for the portable tests: one over bytes in memory, one that makes its bytes up.
#include <algorithm>
#include <cstring>
#include <string>

#include "framework/stream.h"

class MemoryStream : public TStream {
  public:
    explicit MemoryStream(std::string bytes) : bytes_(std::move(bytes)) {}
    std::int64_t Position() const override { return position_; }
    void SetPosition(std::int64_t p) override { position_ = p; }
    std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }
    std::int32_t Read(void* buffer, std::int32_t count) override {
        const std::int64_t left =
            std::max<std::int64_t>(static_cast<std::int64_t>(bytes_.size()) - position_, 0);
        const auto n = static_cast<std::int32_t>(std::min<std::int64_t>(left, count));
        if (n > 0)
            std::memcpy(buffer, bytes_.data() + position_, static_cast<std::size_t>(n));
        position_ += n;
        return n;
    }

  private:
    std::string bytes_;
    std::int64_t position_ = 0;
};

// size zero bytes, never held in memory.
class ZeroStream : public TStream {
  public:
    explicit ZeroStream(std::int64_t size) : size_(size) {}
    std::int64_t Position() const override { return position_; }
    void SetPosition(std::int64_t p) override { position_ = p; }
    std::int64_t Size() const override { return size_; }
    std::int32_t Read(void* buffer, std::int32_t count) override {
        const auto n = static_cast<std::int32_t>(std::min<std::int64_t>(size_ - position_, count));
        std::memset(buffer, 0, static_cast<std::size_t>(n));
        position_ += n;
        return n;
    }

  private:
    std::int64_t size_;
    std::int64_t position_ = 0;
};

// n bytes of a fixed pattern: byte i is (i * 31 + 7) mod 256.
inline std::string PatternBytes(std::size_t n) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i)
        s[i] = static_cast<char>((i * 31 + 7) & 0xFF);
    return s;
}
