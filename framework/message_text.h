#pragma once
#include <string>

// The exception display's rule: a full stop is appended to a non-empty UTF-8 message whose last
// whole character is above "." (any character beyond ASCII counts as above).
std::string WithFullStop(const std::string& message);
