#pragma once
// A read stream that serves small reads from a buffer of its own, so that a caller reading 64
// bytes at a time does not reach the system for each. Subclasses supply the raw source.
#include <memory>

#include "framework/stream.h"

class TBufferedReadStream : public TStream {
  public:
    static constexpr std::int32_t kBufferSize = 128 * 1024;

    std::int64_t Position() const final { return position_; }
    void SetPosition(std::int64_t position) final { position_ = position; }
    std::int32_t Read(void* buffer, std::int32_t count) final;

  protected:
    TBufferedReadStream() = default;

    // Moves the source to offset; raises on failure.
    virtual void SeekSource(std::int64_t offset) = 0;
    // Reads up to count bytes where the source stands; 0 at its end; raises on failure.
    virtual std::int32_t ReadSource(char* dest, std::int32_t count) = 0;

  private:
    std::int32_t ReadAtPosition(char* dest, std::int32_t count);

    std::unique_ptr<char[]> buffer_;  // made by the first read that needs it
    std::int64_t bufferStart_ = 0;    // source offset of buffer_[0]
    std::int32_t bufferLength_ = 0;
    std::int64_t position_ = 0;      // where the caller stands
    std::int64_t sourceOffset_ = 0;  // where the source stands
};
