#include "app/version_text.h"

#include <gtest/gtest.h>

TEST(ComposeVersionLine, WorkedExamples) {
    const struct {
        const char* fileVersion;
        std::optional<std::string> description;
        const char* line;
    } cases[] = {
        {"1.0.2.9", std::nullopt, "Version 1.02 (Build 9)"},
        {"1.0.2.9", "", "Version 1.02  (Build 9)"},
        {"1.0.2.9", "Beta", "Version 1.02 Beta (Build 9)"},
        {"2.10.3.45", std::nullopt, "Version 2.103 (Build 45)"},
        {"10.0.0.1", std::nullopt, "Version 10.00 (Build 1)"},
        {"1.0.2", std::nullopt, "Version 1. (Build 02)"},
        {"1.2.3.4.5", std::nullopt, "Version 1.23 (Build 4.5)"},
        {"5", std::nullopt, "Version . (Build 5)"},
        {"", std::nullopt, "Version . (Build )"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ComposeVersionLine(c.fileVersion, c.description), c.line) << c.fileVersion;
    }
}

TEST(ComposeVersionLine, NeverFailsOnArbitraryTexts) {
    // Every text of up to four characters from a small alphabet, dots and blanks included.
    const std::string alphabet = ". 1a\t";
    std::string text;
    for (int length = 0; length <= 4; ++length) {
        int combinations = 1;
        for (int i = 0; i < length; ++i)
            combinations *= static_cast<int>(alphabet.size());
        for (int n = 0; n < combinations; ++n) {
            text.clear();
            for (int i = 0, k = n; i < length; ++i, k /= static_cast<int>(alphabet.size())) {
                text += alphabet[static_cast<std::size_t>(k) % alphabet.size()];
            }
            const std::string line = ComposeVersionLine(text, std::nullopt);
            EXPECT_EQ(line.rfind("Version", 0), 0u) << text;
            EXPECT_TRUE(line.ends_with(")")) << text;
        }
    }
}

TEST(MarksNonSupport, CaseSensitiveAndOnWholeCharactersOnly) {
    const struct {
        std::string text;
        bool marked;
    } cases[] = {
        {"non-support", true},
        {"special non-support build", true},
        {"Non-Support", false},
        {"NON-SUPPORT", false},
        {"", false},
        {"non-suppor", false},
        // 0x82 0x6E is a double-byte character whose second byte is "n": no match from there.
        {"\x82non-support", false},
        // After a whole double-byte character the mark counts.
        {"\x82\x6Enon-support", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MarksNonSupport(c.text, IsShiftJisLeadByte), c.marked) << c.text;
    }
}
