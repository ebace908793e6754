#pragma once
// The message-digest algorithms: MD4 (RFC 1320) and MD5 (RFC 1321). They share the stream
// routine with its padding; MD5 replaces the block transform and the second round's function.
#include <cstdint>

#include "digest/Hash.h"

class THashMessageDigest : public THash128 {};

class THashMessageDigest4 : public THashMessageDigest {
  public:
    TDigest DigestOfStream(TStream& stream) override;

  protected:
    // Runs the transform once over BlockBuffer and adds the result into ChainState.
    virtual void CompressBlock();

    // Equivalent forms of the RFCs' functions, chosen for a shorter dependency chain.
    // F: (X and Y) or (not X and Z)
    virtual std::uint32_t AuxF(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
        return z ^ (x & (y ^ z));
    }
    // G of MD4: the majority of X, Y and Z.
    virtual std::uint32_t AuxG(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
        return (x & y) | (z & (x | y));
    }
    // H: X xor Y xor Z; Y xor Z does not wait for X, the word just computed.
    virtual std::uint32_t AuxH(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
        return x ^ (y ^ z);
    }

    TDigest ChainState;
    std::uint8_t BlockBuffer[64] = {};
};

// final, so that the transform's calls of the auxiliary functions bind statically and inline.
class THashMessageDigest5 final : public THashMessageDigest4 {
  protected:
    void CompressBlock() override;

    // G of MD5: (X and Z) or (Y and not Z); the two terms never share a bit, so + is or.
    std::uint32_t AuxG(std::uint32_t x, std::uint32_t y, std::uint32_t z) override {
        return (x & z) + (y & ~z);
    }
    virtual std::uint32_t AuxI(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
        return y ^ (x | ~z);
    }
};
