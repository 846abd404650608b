#pragma once

#include "platform/Clock.h"

namespace quill {

// Today by the computer's clock, in its local time zone.
class SystemClock : public Clock {
  public:
    Date Today() const override;
};

}  // namespace quill
