#pragma once
// A byte stream with 64-bit position and size.
#include <cstdint>
#include <string>

class TStream {
  public:
    virtual ~TStream() = default;
    TStream() = default;
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;

    virtual std::int64_t Position() const = 0;
    virtual void SetPosition(std::int64_t position) = 0;
    virtual std::int64_t Size() const = 0;
    // Copies up to count bytes, advances by the number delivered and returns it (0 at the end).
    virtual std::int32_t Read(void* buffer, std::int32_t count) = 0;

    // Raises EReadError for bytes that should have been there; a stream over a file names it.
    // systemCode is a Windows error code, or 0 when there is none.
    [[noreturn]] virtual void RaiseReadError(std::uint32_t systemCode) const;
};

// Windows' ERROR_HANDLE_EOF: the stream ended before its size said it would.
constexpr std::uint32_t kErrorHandleEof = 38;
