#pragma once
// The digest listing: for each name, the name and then its MD5 digest in lower case.
#include <functional>
#include <memory>
#include <string>

#include "framework/stream.h"
#include "framework/string_list.h"

// Opens a name for reading with no sharing, or raises EFOpenError.
using StreamOpener = std::function<std::unique_ptr<TStream>(const std::string& name)>;

// Appends two lines per name to lines. Stops at the first error: the names before it keep their
// lines, and a name whose reading failed keeps its name line.
void ListDigests(const TStrings& files, TStrings& lines, const StreamOpener& open);

// The lower-case hex digest of a whole stream, from position 0.
std::string Md5HexOfStream(TStream& stream);
