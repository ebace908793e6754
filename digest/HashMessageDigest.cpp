#include "digest/HashMessageDigest.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr TDigest kInitialState{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476};

inline std::uint32_t Rotl(std::uint32_t x, int s) {
    return x << s | x >> (32 - s);
}

// Message word j: bytes 4j to 4j+3, lowest first. Compiles to a plain load on x86.
inline void LoadWords(const std::uint8_t* block, std::uint32_t* words) {
    for (int j = 0; j < 16; ++j) {
        const std::uint8_t* p = block + 4 * j;
        words[j] = std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
                   std::uint32_t{p[3]} << 24;
    }
}

inline void StoreLittleEndian64(std::uint64_t value, std::uint8_t* out) {
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

TDigest THashMessageDigest4::DigestOfStream(TStream& stream) {
    const std::int64_t start = stream.Position();
    // A stream positioned past its end has nothing left to digest.
    const std::int64_t length = std::max<std::int64_t>(stream.Size() - start, 0);
    const std::int64_t end = start + length;
    ChainState = kInitialState;

    while (end - stream.Position() >= 64) {
        // A short block would otherwise be digested as if it were whole.
        if (stream.Read(BlockBuffer, 64) != 64)
            stream.RaiseReadError(kErrorHandleEof);
        CompressBlock();
    }

    std::uint8_t tail[64] = {};
    const auto remaining = static_cast<std::int32_t>(end - stream.Position());
    if (stream.Read(tail, remaining) != remaining)
        stream.RaiseReadError(kErrorHandleEof);
    tail[remaining] = 0x80;
    if (remaining + 1 > 56) {
        std::memcpy(BlockBuffer, tail, 64);
        CompressBlock();
        std::memset(tail, 0, 56);
    }
    StoreLittleEndian64(static_cast<std::uint64_t>(length) * 8, tail + 56);
    std::memcpy(BlockBuffer, tail, 64);
    CompressBlock();
    return ChainState;
}

void THashMessageDigest4::CompressBlock() {
    std::uint32_t x[16];
    LoadWords(BlockBuffer, x);
    std::uint32_t a = ChainState.A, b = ChainState.B, c = ChainState.C, d = ChainState.D;

    auto r1 = [&](std::uint32_t& w, std::uint32_t p, std::uint32_t q, std::uint32_t r, int k,
                  int s) { w = Rotl(w + AuxF(p, q, r) + x[k], s); };
    auto r2 = [&](std::uint32_t& w, std::uint32_t p, std::uint32_t q, std::uint32_t r, int k,
                  int s) { w = Rotl(w + AuxG(p, q, r) + x[k] + 0x5A827999, s); };
    auto r3 = [&](std::uint32_t& w, std::uint32_t p, std::uint32_t q, std::uint32_t r, int k,
                  int s) { w = Rotl(w + AuxH(p, q, r) + x[k] + 0x6ED9EBA1, s); };

    for (int k = 0; k < 16; k += 4) {
        r1(a, b, c, d, k, 3);
        r1(d, a, b, c, k + 1, 7);
        r1(c, d, a, b, k + 2, 11);
        r1(b, c, d, a, k + 3, 19);
    }
    for (int k = 0; k < 4; ++k) {
        r2(a, b, c, d, k, 3);
        r2(d, a, b, c, k + 4, 5);
        r2(c, d, a, b, k + 8, 9);
        r2(b, c, d, a, k + 12, 13);
    }
    for (int k : {0, 2, 1, 3}) {
        r3(a, b, c, d, k, 3);
        r3(d, a, b, c, k + 8, 9);
        r3(c, d, a, b, k + 4, 11);
        r3(b, c, d, a, k + 12, 15);
    }
    ChainState.A += a;
    ChainState.B += b;
    ChainState.C += c;
    ChainState.D += d;
}

void THashMessageDigest5::CompressBlock() {
    std::uint32_t x[16];
    LoadWords(BlockBuffer, x);
    std::uint32_t a = ChainState.A, b = ChainState.B, c = ChainState.C, d = ChainState.D;

    // One step: w := p + ((w + g + X[k] + T[i]) <<< s). X[k] + T[i] does not wait for g.
    auto step = [](std::uint32_t& w, std::uint32_t p, std::uint32_t g, std::uint32_t xt, int s) {
        w = p + Rotl(w + xt + g, s);
    };
#define VARROW_MD5_ROUND(Aux)                                                       \
    [&](std::uint32_t& w, std::uint32_t p, std::uint32_t q, std::uint32_t r, int k, \
        std::uint32_t t, int s) { step(w, p, Aux(p, q, r), x[k] + t, s); }
    auto f = VARROW_MD5_ROUND(AuxF);
    auto g = VARROW_MD5_ROUND(AuxG);
    auto h = VARROW_MD5_ROUND(AuxH);
    auto i = VARROW_MD5_ROUND(AuxI);
#undef VARROW_MD5_ROUND

    f(a, b, c, d, 0, 0xD76AA478, 7);
    f(d, a, b, c, 1, 0xE8C7B756, 12);
    f(c, d, a, b, 2, 0x242070DB, 17);
    f(b, c, d, a, 3, 0xC1BDCEEE, 22);
    f(a, b, c, d, 4, 0xF57C0FAF, 7);
    f(d, a, b, c, 5, 0x4787C62A, 12);
    f(c, d, a, b, 6, 0xA8304613, 17);
    f(b, c, d, a, 7, 0xFD469501, 22);
    f(a, b, c, d, 8, 0x698098D8, 7);
    f(d, a, b, c, 9, 0x8B44F7AF, 12);
    f(c, d, a, b, 10, 0xFFFF5BB1, 17);
    f(b, c, d, a, 11, 0x895CD7BE, 22);
    f(a, b, c, d, 12, 0x6B901122, 7);
    f(d, a, b, c, 13, 0xFD987193, 12);
    f(c, d, a, b, 14, 0xA679438E, 17);
    f(b, c, d, a, 15, 0x49B40821, 22);

    g(a, b, c, d, 1, 0xF61E2562, 5);
    g(d, a, b, c, 6, 0xC040B340, 9);
    g(c, d, a, b, 11, 0x265E5A51, 14);
    g(b, c, d, a, 0, 0xE9B6C7AA, 20);
    g(a, b, c, d, 5, 0xD62F105D, 5);
    g(d, a, b, c, 10, 0x02441453, 9);
    g(c, d, a, b, 15, 0xD8A1E681, 14);
    g(b, c, d, a, 4, 0xE7D3FBC8, 20);
    g(a, b, c, d, 9, 0x21E1CDE6, 5);
    g(d, a, b, c, 14, 0xC33707D6, 9);
    g(c, d, a, b, 3, 0xF4D50D87, 14);
    g(b, c, d, a, 8, 0x455A14ED, 20);
    g(a, b, c, d, 13, 0xA9E3E905, 5);
    g(d, a, b, c, 2, 0xFCEFA3F8, 9);
    g(c, d, a, b, 7, 0x676F02D9, 14);
    g(b, c, d, a, 12, 0x8D2A4C8A, 20);

    h(a, b, c, d, 5, 0xFFFA3942, 4);
    h(d, a, b, c, 8, 0x8771F681, 11);
    h(c, d, a, b, 11, 0x6D9D6122, 16);
    h(b, c, d, a, 14, 0xFDE5380C, 23);
    h(a, b, c, d, 1, 0xA4BEEA44, 4);
    h(d, a, b, c, 4, 0x4BDECFA9, 11);
    h(c, d, a, b, 7, 0xF6BB4B60, 16);
    h(b, c, d, a, 10, 0xBEBFBC70, 23);
    h(a, b, c, d, 13, 0x289B7EC6, 4);
    h(d, a, b, c, 0, 0xEAA127FA, 11);
    h(c, d, a, b, 3, 0xD4EF3085, 16);
    h(b, c, d, a, 6, 0x04881D05, 23);
    h(a, b, c, d, 9, 0xD9D4D039, 4);
    h(d, a, b, c, 12, 0xE6DB99E5, 11);
    h(c, d, a, b, 15, 0x1FA27CF8, 16);
    h(b, c, d, a, 2, 0xC4AC5665, 23);

    i(a, b, c, d, 0, 0xF4292244, 6);
    i(d, a, b, c, 7, 0x432AFF97, 10);
    i(c, d, a, b, 14, 0xAB9423A7, 15);
    i(b, c, d, a, 5, 0xFC93A039, 21);
    i(a, b, c, d, 12, 0x655B59C3, 6);
    i(d, a, b, c, 3, 0x8F0CCC92, 10);
    i(c, d, a, b, 10, 0xFFEFF47D, 15);
    i(b, c, d, a, 1, 0x85845DD1, 21);
    i(a, b, c, d, 8, 0x6FA87E4F, 6);
    i(d, a, b, c, 15, 0xFE2CE6E0, 10);
    i(c, d, a, b, 6, 0xA3014314, 15);
    i(b, c, d, a, 13, 0x4E0811A1, 21);
    i(a, b, c, d, 4, 0xF7537E82, 6);
    i(d, a, b, c, 11, 0xBD3AF235, 10);
    i(c, d, a, b, 2, 0x2AD7D2BB, 15);
    i(b, c, d, a, 9, 0xEB86D391, 21);

    ChainState.A += a;
    ChainState.B += b;
    ChainState.C += c;
    ChainState.D += d;
}
