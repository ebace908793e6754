#pragma once
// A stream over a file opened by name. Small reads are served from a buffer of the stream's
// own, so a caller reading 64 bytes at a time does not make a system call for each.
#include <windows.h>

#include <memory>
#include <string>

#include "framework/handles.h"
#include "framework/stream.h"

// Open modes: an existing file, no sharing with anybody.
constexpr int fmOpenRead = 0;
constexpr int fmOpenReadWrite = 2;

class TFileStream final : public TStream {
public:
    // name is in the system code page and reaches the system unchanged. Raises EFOpenError.
    TFileStream(const std::string& name, int mode);

    std::int64_t Position() const override { return position_; }
    void SetPosition(std::int64_t position) override { position_ = position; }
    std::int64_t Size() const override;
    std::int32_t Read(void* buffer, std::int32_t count) override;
    [[noreturn]] void RaiseReadError(std::uint32_t systemCode) const override;

    HANDLE Handle() const { return file_.Get(); }
    const std::string& FileName() const { return name_; }

    static constexpr std::int32_t kBufferSize = 256 * 1024;

private:
    // Reads at the current position into dest straight from the file.
    std::int32_t ReadFromFile(char* dest, std::int32_t count);

    std::string name_;
    UniqueFileHandle file_;
    std::unique_ptr<char[]> buffer_;
    std::int64_t bufferStart_ = 0;  // file offset of buffer_[0]
    std::int32_t bufferLength_ = 0;
    std::int64_t position_ = 0;      // where the caller stands
    std::int64_t filePointer_ = 0;   // where the system's file pointer stands
};
