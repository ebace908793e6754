#pragma once
// The system's own words for an error code, and the messages that name a file with them.
#include <windows.h>

#include <string>

// The system message for code as UTF-8, with trailing blanks, control characters and full
// stops removed; empty when the system has no text for it.
std::string SystemErrorText(DWORD code);

// The full path the system makes of name (bytes in the system code page).
std::string FullPathName(const std::string& name);

// "ファイル "<full path>". <system text> <ending>", the shape of every file error the user sees.
std::string FileErrorMessage(const std::string& name, DWORD code, const char* ending);
