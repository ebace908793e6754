#include "app/version_text.h"

namespace {

// The text rules count positions from 1, as the version line's recipe does.
int FirstDot(const std::string& s) {
    const auto p = s.find('.');
    return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
}

std::string Take(const std::string& s, int n) {
    return n <= 0 ? std::string() : s.substr(0, static_cast<std::size_t>(n));
}

void Remove(std::string& s, int position, int n) {
    if (position < 1 || position > static_cast<int>(s.size()) || n <= 0)
        return;
    s.erase(static_cast<std::size_t>(position - 1), static_cast<std::size_t>(n));
}

std::string StripControls(const std::string& s) {
    std::size_t first = 0, last = s.size();
    while (first < last && static_cast<unsigned char>(s[first]) <= 0x20)
        ++first;
    while (last > first && static_cast<unsigned char>(s[last - 1]) <= 0x20)
        --last;
    return s.substr(first, last - first);
}

}  // namespace

std::string ComposeVersionLine(const std::string& fileVersion,
                               const std::optional<std::string>& description) {
    std::string f = fileVersion;
    std::string line = "Version " + Take(f, FirstDot(f) - 1);
    Remove(f, 1, FirstDot(f));
    Remove(f, FirstDot(f), 1);
    line = StripControls(line + "." + Take(f, FirstDot(f) - 1));
    Remove(f, 1, FirstDot(f));
    if (description)
        line += " " + *description;
    return line + " (Build " + f + ")";
}

bool MarksNonSupport(const std::string& text,
                     const std::function<bool(unsigned char)>& isLeadByte) {
    static const std::string kMark = "non-support";
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, kMark.size(), kMark) == 0)
            return true;
        if (isLeadByte(static_cast<unsigned char>(text[i])))
            ++i;  // skip the second byte
    }
    return false;
}

bool IsShiftJisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
