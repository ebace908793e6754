#pragma once
// Roots of the hash family: THash for every hash, THash128 for those whose result is 128 bits.
#include <cstdint>
#include <string>

#include "framework/stream.h"

// Four 32-bit words; the byte form is A's bytes lowest first, then B, C and D.
struct TDigest {
    std::uint32_t A = 0, B = 0, C = 0, D = 0;
    bool operator==(const TDigest&) const = default;
};

class THash {
  public:
    virtual ~THash() = default;

  protected:
    THash() = default;
    THash(const THash&) = default;
    THash& operator=(const THash&) = default;
};

class THash128 : public THash {
  public:
    // Digests the stream from its position to its end; the stream then stands at its end.
    virtual TDigest DigestOfStream(TStream& stream) = 0;

    // 32 upper-case hexadecimal digits of the byte form.
    static std::string DigestToHex(const TDigest& digest);
};
