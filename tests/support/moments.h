#pragma once
#include "stamp/moment.h"

inline Moment At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return MomentFromFields({y, mo, d, h, mi, s, ms});
}

constexpr double kOneMillisecond = 1.0 / 86'400'000;
