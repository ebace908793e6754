#include "framework/buffered_stream.h"

#include <algorithm>
#include <cstring>

std::int32_t TBufferedReadStream::Read(void* buffer, std::int32_t count) {
    // The common case, a small read inside the buffer, in as few steps as possible.
    const std::int64_t start = position_ - bufferStart_;
    if (start >= 0 && count >= 0 && start + count <= bufferLength_) {
        if (count == 64) {
            std::memcpy(buffer, buffer_.get() + start, 64);  // a digest block: a few moves
        } else {
            std::memcpy(buffer, buffer_.get() + start, static_cast<std::size_t>(count));
        }
        position_ += count;
        return count;
    }
    char* dest = static_cast<char*>(buffer);
    std::int32_t done = 0;
    while (done < count) {
        const std::int64_t offset = position_ - bufferStart_;
        if (offset >= 0 && offset < bufferLength_) {
            const auto n = static_cast<std::int32_t>(
                std::min<std::int64_t>(bufferLength_ - offset, count - done));
            std::memcpy(dest + done, buffer_.get() + offset, static_cast<std::size_t>(n));
            done += n;
            position_ += n;
        } else if (count - done >= kBufferSize) {
            // A large request goes straight to the caller's memory.
            const std::int32_t n = ReadAtPosition(dest + done, count - done);
            if (n == 0)
                break;
            done += n;
            position_ += n;
        } else {
            if (!buffer_)
                buffer_.reset(new char[kBufferSize]);
            bufferStart_ = position_;
            bufferLength_ = 0;
            bufferLength_ = ReadAtPosition(buffer_.get(), kBufferSize);
            if (bufferLength_ == 0)
                break;
        }
    }
    return done;
}

std::int32_t TBufferedReadStream::ReadAtPosition(char* dest, std::int32_t count) {
    if (sourceOffset_ != position_) {
        SeekSource(position_);
        sourceOffset_ = position_;
    }
    const std::int32_t n = ReadSource(dest, count);
    sourceOffset_ += n;
    return n;
}
