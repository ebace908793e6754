#include "digest/Hash.h"

std::string THash128::DigestToHex(const TDigest& digest) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(32);
    for (std::uint32_t word : {digest.A, digest.B, digest.C, digest.D}) {
        for (int i = 0; i < 4; ++i, word >>= 8) {
            hex += kDigits[word >> 4 & 0xF];
            hex += kDigits[word & 0xF];
        }
    }
    return hex;
}
