#include "framework/system_error.h"

#include <vector>

#include "framework/text_encoding.h"

std::string SystemErrorText(DWORD code) {
    char buffer[256];
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ARGUMENT_ARRAY,
        nullptr, code, 0, buffer, sizeof buffer, nullptr);
    std::string text(buffer, length);
    // Trail bytes of double-byte characters are never 0x2E or below, so a byte test is safe.
    while (!text.empty() &&
           (static_cast<unsigned char>(text.back()) <= 0x20 || text.back() == '.')) {
        text.pop_back();
    }
    return AnsiToUtf8(text);
}

std::string FullPathName(const std::string& name) {
    std::vector<char> buffer(MAX_PATH);
    DWORD length = ::GetFullPathNameA(name.c_str(), MAX_PATH, buffer.data(), nullptr);
    if (length >= MAX_PATH) {
        // Too long for the usual buffer: ask again with the size the system wants, rather
        // than show a cut or empty path.
        buffer.resize(length);
        length = ::GetFullPathNameA(name.c_str(), length, buffer.data(), nullptr);
        if (length >= buffer.size())
            length = 0;
    }
    return std::string(buffer.data(), length);
}

std::string FileErrorMessage(const std::string& name, DWORD code, const char* ending) {
    return "ファイル \"" + AnsiToUtf8(FullPathName(name)) + "\". " + SystemErrorText(code) + " " +
           ending;
}
