#pragma once
#include "digest/digest_listing.h"

// Lists the digests of files named in the system code page, each opened for reading with no
// sharing while it is read.
void ListFileDigests(const TStrings& files, TStrings& lines);
