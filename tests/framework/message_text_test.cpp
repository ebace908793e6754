#include "framework/message_text.h"

#include <gtest/gtest.h>

TEST(WithFullStop, AppendsAfterCharactersAboveTheFullStopOnly) {
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"", ""},
        {"File not found", "File not found."},
        {"code 5", "code 5."},
        {"done.", "done."},
        {"stop!", "stop!"},
        {"a, b,", "a, b,"},
        {"dash -", "dash -"},
        {"line\r\n", "line\r\n"},
        {"trailing blank ", "trailing blank "},
        {"slash/", "slash/."},  // 0x2F is above "."
        {"開けません", "開けません."},
        {"終わり。", "終わり。."},
        {"ｶﾀｶﾅ", "ｶﾀｶﾅ."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithFullStop(c.message), c.shown) << c.message;
}
