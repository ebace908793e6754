#pragma once
// The About dialog's text rules, on bytes in the system code page.
#include <functional>
#include <optional>
#include <string>

// "Version <major>.<minor><release> (Build <build>)" from a FileVersion text such as 1.0.2.9;
// a description, when present (even empty), goes after one blank before the build part.
std::string ComposeVersionLine(const std::string& fileVersion,
                               const std::optional<std::string>& description);

// Whether text contains "non-support" starting on a whole character: isLeadByte tells the
// first bytes of double-byte characters, whose second byte may look like any letter.
bool MarksNonSupport(const std::string& text, const std::function<bool(unsigned char)>& isLeadByte);

// The lead bytes of code page 932 (Shift-JIS).
bool IsShiftJisLeadByte(unsigned char byte);
