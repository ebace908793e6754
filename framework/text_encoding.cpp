#include "framework/text_encoding.h"

#include <windows.h>

namespace {

std::wstring ToWide(UINT codePage, const std::string& text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string FromWide(UINT codePage, const std::wstring& wide) {
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    const int length =
        ::WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(codePage, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

}  // namespace

std::wstring Utf8ToWide(const std::string& utf8) {
    return ToWide(CP_UTF8, utf8);
}
std::string WideToUtf8(const std::wstring& wide) {
    return FromWide(CP_UTF8, wide);
}
std::wstring AnsiToWide(const std::string& ansi) {
    return ToWide(CP_ACP, ansi);
}
std::string AnsiToUtf8(const std::string& ansi) {
    return WideToUtf8(AnsiToWide(ansi));
}
std::string WideToAnsi(const std::wstring& wide) {
    return FromWide(CP_ACP, wide);
}
