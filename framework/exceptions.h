#pragma once
// The error objects every layer above the raw system calls raises. A message is UTF-8 text,
// shown to the user as it stands (after the display's full-stop rule).
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
  public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// A file could not be opened by name.
class EFOpenError : public Exception {
    using Exception::Exception;
};

// A stream could not deliver the bytes it should have.
class EReadError : public Exception {
    using Exception::Exception;
};
