#include "framework/file_stream.h"

#include "framework/exceptions.h"
#include "framework/system_error.h"

TFileStream::TFileStream(const std::string& name, int mode) : name_(name) {
    const DWORD access = mode == fmOpenReadWrite ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
    file_.Reset(::CreateFileA(name.c_str(), access, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file_)
        throw EFOpenError(FileErrorMessage(name, ::GetLastError(), "は開けません"));
}

std::int64_t TFileStream::Size() const {
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(file_.Get(), &size))
        RaiseReadError(::GetLastError());
    return size.QuadPart;
}

void TFileStream::SeekSource(std::int64_t offset) {
    LARGE_INTEGER target;
    target.QuadPart = offset;
    if (!::SetFilePointerEx(file_.Get(), target, nullptr, FILE_BEGIN)) {
        RaiseReadError(::GetLastError());
    }
}

std::int32_t TFileStream::ReadSource(char* dest, std::int32_t count) {
    DWORD got = 0;
    if (!::ReadFile(file_.Get(), dest, static_cast<DWORD>(count), &got, nullptr)) {
        RaiseReadError(::GetLastError());
    }
    return static_cast<std::int32_t>(got);
}

void TFileStream::RaiseReadError(std::uint32_t systemCode) const {
    throw EReadError(FileErrorMessage(name_, systemCode, "は読み込めません"));
}
