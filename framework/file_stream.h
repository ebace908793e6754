#pragma once
// A stream over a file opened by name, read through a buffer of its own.
#include <windows.h>

#include <string>

#include "framework/buffered_stream.h"
#include "framework/handles.h"

// Open modes: an existing file, no sharing with anybody.
constexpr int fmOpenRead = 0;
constexpr int fmOpenReadWrite = 2;

class TFileStream final : public TBufferedReadStream {
  public:
    // name is in the system code page and reaches the system unchanged. Raises EFOpenError.
    TFileStream(const std::string& name, int mode);

    std::int64_t Size() const override;
    [[noreturn]] void RaiseReadError(std::uint32_t systemCode) const override;

    HANDLE Handle() const { return file_.Get(); }

  private:
    void SeekSource(std::int64_t offset) override;
    std::int32_t ReadSource(char* dest, std::int32_t count) override;

    std::string name_;
    UniqueFileHandle file_;
};
