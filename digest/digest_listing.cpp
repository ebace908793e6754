#include "digest/digest_listing.h"

#include <algorithm>

#include "digest/HashMessageDigest.h"

std::string Md5HexOfStream(TStream& stream) {
    THashMessageDigest5 md5;
    stream.SetPosition(0);
    std::string hex = THash128::DigestToHex(md5.DigestOfStream(stream));
    std::transform(hex.begin(), hex.end(), hex.begin(),
                   [](char c) { return c >= 'A' && c <= 'F' ? static_cast<char>(c + 32) : c; });
    return hex;
}

void ListDigests(const TStrings& files, TStrings& lines, const StreamOpener& open) {
    for (int i = 0; i < files.Count(); ++i) {
        const std::unique_ptr<TStream> file = open(files[i]);
        lines.Add(files[i]);
        lines.Add(Md5HexOfStream(*file));
    }
}
