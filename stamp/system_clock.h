#pragma once
#include "stamp/presets.h"

// The system clock's local date and time (GetLocalTime).
class SystemLocalClock final : public LocalClock {
  public:
    Moment Now() override;
};
