#include <gtest/gtest.h>

#include "digest/HashMessageDigest.h"
#include "framework/exceptions.h"
#include "tests/support/memory_stream.h"

namespace {
template <typename Hash>
std::string Hex(const std::string& message) {
    Hash hash;
    MemoryStream stream(message);
    return THash128::DigestToHex(hash.DigestOfStream(stream));
}

const char* const kRfcMessages[] = {
    "",
    "a",
    "abc",
    "message digest",
    "abcdefghijklmnopqrstuvwxyz",
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
    "12345678901234567890123456789012345678901234567890123456789012345678901234567890",
};
}  // namespace

TEST(MessageDigest, RfcTestSuitesInUpperCase) {
    const char* const md5[] = {
        "D41D8CD98F00B204E9800998ECF8427E", "0CC175B9C0F1B6A831C399E269772661",
        "900150983CD24FB0D6963F7D28E17F72", "F96B697D7CB7938D525A2F31AAF161D0",
        "C3FCD3D76192E4007DFB496CCA67E13B", "D174AB98D277D9F5A5611C2C9F419D9F",
        "57EDF4A22BE3C955AC49DA2E2107B67A",
    };
    const char* const md4[] = {
        "31D6CFE0D16AE931B73C59D7E0C089C0", "BDE52CB31DE33E46245E05FBDBD6FB24",
        "A448017AAF21D8525FC10AE87AA6729D", "D9130A8164549FE818874806E1C7014B",
        "D79E1C308AA5BBCDEEA8ED63DF412DA9", "043F8582F241DB351CE627E153E7F0E4",
        "E33B4DDC9C38F2199C3E7B164FCC0536",
    };
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(Hex<THashMessageDigest5>(kRfcMessages[i]), md5[i]) << "MD5 " << kRfcMessages[i];
        EXPECT_EQ(Hex<THashMessageDigest4>(kRfcMessages[i]), md4[i]) << "MD4 " << kRfcMessages[i];
    }
}

TEST(Md5, PaddingBordersAgreeWithAReference) {
    // Digests of PatternBytes(n), computed by openssl dgst -md5.
    const struct {
        std::size_t length;
        const char* md5;
    } cases[] = {
        {0, "D41D8CD98F00B204E9800998ECF8427E"},    {1, "89E74E640B8C46257A29DE0616794D5D"},
        {55, "C9E512626618C9980EF21A96597AF94C"},   {56, "ECDE7CAA08E9F5657C863DF107CAC60A"},
        {63, "2F0301069E1C40AF7F6C8F843B1B13F2"},   {64, "B6BF87C24B1BC334E2541387A92B981B"},
        {65, "F168246F08B6134D66BD2A10343FA9F1"},   {120, "BCC139B3848923904860D1EEFD6E5923"},
        {1000, "2B1E78D5765DE9E10495A01412A1CF22"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Hex<THashMessageDigest5>(PatternBytes(c.length)), c.md5) << c.length;
    }
}

TEST(Md5, DigestsFromThePositionToTheEndAndLeavesTheStreamThere) {
    THashMessageDigest5 md5;
    MemoryStream stream("xabc");
    stream.SetPosition(1);
    EXPECT_EQ(THash128::DigestToHex(md5.DigestOfStream(stream)), Hex<THashMessageDigest5>("abc"));
    EXPECT_EQ(stream.Position(), 4);
    // At or past the end: the empty message.
    EXPECT_EQ(THash128::DigestToHex(md5.DigestOfStream(stream)), Hex<THashMessageDigest5>(""));
    stream.SetPosition(10);
    EXPECT_EQ(THash128::DigestToHex(md5.DigestOfStream(stream)), Hex<THashMessageDigest5>(""));
}

TEST(Md5, OneObjectDigestsStreamsOneAfterAnother) {
    THashMessageDigest5 md5;
    MemoryStream first(PatternBytes(200)), second("abc");
    const TDigest a = md5.DigestOfStream(first);
    EXPECT_EQ(THash128::DigestToHex(md5.DigestOfStream(second)),
              "900150983CD24FB0D6963F7D28E17F72");
    EXPECT_EQ(THash128::DigestToHex(a), Hex<THashMessageDigest5>(PatternBytes(200)));
}

TEST(Md5, AStreamOverFourGibibytesCarriesTheFullLength) {
    // 2^32 + 65 zero bytes; reference from md5sum.
    THashMessageDigest5 md5;
    ZeroStream stream((std::int64_t{1} << 32) + 65);
    EXPECT_EQ(THash128::DigestToHex(md5.DigestOfStream(stream)),
              "6AE96928B07744BDABFE9DD4CE7B7767");
}

TEST(Md5, AShortBlockIsAReadErrorNotADigest) {
    // Delivers 10 bytes less than its size says.
    class ShortStream : public MemoryStream {
      public:
        ShortStream() : MemoryStream(PatternBytes(90)) {}
        std::int64_t Size() const override { return 100; }
    };
    for (std::int64_t start : {0, 30}) {
        ShortStream stream;
        stream.SetPosition(start);
        THashMessageDigest5 md5;
        EXPECT_THROW(md5.DigestOfStream(stream), EReadError) << start;
    }
}

TEST(DigestToHex, BytesLowestFirstWordByWord) {
    EXPECT_EQ(THash128::DigestToHex({0x03020100, 0x07060504, 0x0B0A0908, 0xFFFEFDFC}),
              "000102030405060708090A0BFCFDFEFF");
}
