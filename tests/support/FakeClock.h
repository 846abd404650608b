#pragma once

#include "platform/Clock.h"

namespace quill::fakes {

// A clock that shows the day a test sets.
class FakeClock : public Clock {
  public:
    FakeClock() = default;
    explicit FakeClock(const Date& today) : today_(today) {}

    Date Today() const override { return today_; }
    void SetToday(const Date& today) { today_ = today; }
    void Advance(int days) { today_ = AddDays(today_, days); }

  private:
    Date today_{2004, 1, 1};
};

}  // namespace quill::fakes
