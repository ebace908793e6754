#include "framework/message_text.h"

std::string WithFullStop(const std::string& message) {
    if (message.empty())
        return message;
    // The last byte of a multi-byte UTF-8 character is 0x80 or above, so it compares greater.
    const auto last = static_cast<unsigned char>(message.back());
    return last > '.' ? message + "." : message;
}
