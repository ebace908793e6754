#include "framework/file_stream.h"

#include <algorithm>
#include <cstring>

#include "framework/exceptions.h"
#include "framework/system_error.h"

TFileStream::TFileStream(const std::string& name, int mode)
    : name_(name), buffer_(new char[kBufferSize]) {
    const DWORD access = mode == fmOpenReadWrite ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
    file_.Reset(::CreateFileA(name.c_str(), access, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file_) throw EFOpenError(FileErrorMessage(name, ::GetLastError(), "は開けません"));
}

std::int64_t TFileStream::Size() const {
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(file_.Get(), &size)) RaiseReadError(::GetLastError());
    return size.QuadPart;
}

std::int32_t TFileStream::Read(void* buffer, std::int32_t count) {
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
            continue;
        }
        if (count - done >= kBufferSize) {
            // A large request goes straight to the caller's memory.
            const std::int32_t n = ReadFromFile(dest + done, count - done);
            if (n == 0) break;
            done += n;
            position_ += n;
            continue;
        }
        bufferStart_ = position_;
        bufferLength_ = 0;
        bufferLength_ = ReadFromFile(buffer_.get(), kBufferSize);
        if (bufferLength_ == 0) break;
    }
    return done;
}

std::int32_t TFileStream::ReadFromFile(char* dest, std::int32_t count) {
    if (filePointer_ != position_) {
        LARGE_INTEGER target;
        target.QuadPart = position_;
        if (!::SetFilePointerEx(file_.Get(), target, nullptr, FILE_BEGIN)) {
            RaiseReadError(::GetLastError());
        }
        filePointer_ = position_;
    }
    DWORD got = 0;
    if (!::ReadFile(file_.Get(), dest, static_cast<DWORD>(count), &got, nullptr)) {
        RaiseReadError(::GetLastError());
    }
    filePointer_ += got;
    return static_cast<std::int32_t>(got);
}

void TFileStream::RaiseReadError(std::uint32_t systemCode) const {
    throw EReadError(FileErrorMessage(name_, systemCode, "は読み込めません"));
}
