#include "digest/file_digests.h"

#include "framework/file_stream.h"

void ListFileDigests(const TStrings& files, TStrings& lines) {
    ListDigests(files, lines, [](const std::string& name) -> std::unique_ptr<TStream> {
        return std::make_unique<TFileStream>(name, fmOpenRead);
    });
}
