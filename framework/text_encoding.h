#pragma once
// Conversions at the edges: UTF-8 inside, UTF-16 for the W functions, the system code page for
// file names and the A functions.
#include <string>

std::wstring Utf8ToWide(const std::string& utf8);
std::string WideToUtf8(const std::wstring& wide);
std::wstring AnsiToWide(const std::string& ansi);
std::string AnsiToUtf8(const std::string& ansi);
std::string WideToAnsi(const std::wstring& wide);
