#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "varrow-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
            std::to_string(counter++);
    RemoveTree(path_);
    if (!::CreateDirectoryA(path_.c_str(), nullptr)) {
        ADD_FAILURE() << "cannot make " << path_ << ": " << ::GetLastError();
    }
}

TempDir::~TempDir() {
    RemoveTree(path_);
}

std::string TempDir::File(const std::string& name, const std::string& content) const {
    const std::string path = Path(name);
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "cannot write " << path << ": " << ::GetLastError();
        return path;
    }
    DWORD written = 0;
    ::WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    ::CloseHandle(h);
    return path;
}

std::string TempDir::Folder(const std::string& name) const {
    const std::string path = Path(name);
    ::CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

void TempDir::RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA((path + "\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string child = path + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(child.c_str());
            }
        } while (::FindNextFileA(find, &found));
        ::FindClose(find);
    }
    ::RemoveDirectoryA(path.c_str());
}

HeldOpen::HeldOpen(const std::string& path)
    : handle_(::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {
    if (handle_ == INVALID_HANDLE_VALUE)
        ADD_FAILURE() << "cannot hold " << path;
}

HeldOpen::~HeldOpen() {
    if (handle_ != INVALID_HANDLE_VALUE)
        ::CloseHandle(handle_);
}

namespace {
ULONGLONG ToU64(const FILETIME& ft) {
    return static_cast<ULONGLONG>(ft.dwHighDateTime) << 32 | ft.dwLowDateTime;
}
}  // namespace

FileTimes TimesOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return {};
    return {ToU64(data.ftCreationTime), ToU64(data.ftLastAccessTime), ToU64(data.ftLastWriteTime)};
}

void SetTimesOf(const std::string& path, ULONGLONG all) {
    HANDLE h = ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    FILETIME ft{static_cast<DWORD>(all), static_cast<DWORD>(all >> 32)};
    if (h == INVALID_HANDLE_VALUE || !::SetFileTime(h, &ft, &ft, &ft)) {
        ADD_FAILURE() << "cannot set the times of " << path;
    }
    if (h != INVALID_HANDLE_VALUE)
        ::CloseHandle(h);
}

ULONGLONG UtcFileTime(int y, int mo, int d, int h, int mi, int s) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(y);
    st.wMonth = static_cast<WORD>(mo);
    st.wDay = static_cast<WORD>(d);
    st.wHour = static_cast<WORD>(h);
    st.wMinute = static_cast<WORD>(mi);
    st.wSecond = static_cast<WORD>(s);
    FILETIME ft;
    ::SystemTimeToFileTime(&st, &ft);
    return ToU64(ft);
}
