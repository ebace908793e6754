#include "framework/stream.h"

#include "framework/exceptions.h"

void TStream::RaiseReadError(std::uint32_t) const {
    throw EReadError("ストリームの読み込みエラーです");
}
