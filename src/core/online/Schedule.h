#pragma once

#include <string>

#include "platform/Clock.h"
#include "platform/Registry.h"

namespace quill {

// A reminder kept in the settings store: "NextUpdate" holds the day from
// which it is due ("mm/dd/yyyy"), or "0" for never; "Interval" the days
// between reminders.
class ReminderSchedule {
  public:
    // leaf is "QuickUpdate" or "News"; a non-empty registryKey puts the key
    // below a key of that name.
    ReminderSchedule(Registry& registry, const Clock& clock, const std::string& registryKey,
                     const std::string& leaf, int interval);

    const std::string& Key() const { return key_; }
    int DefaultInterval() const { return interval_; }

    // True when the reminder is due today. A first run, or a day that is not
    // a date (edited by hand or by another program), starts the schedule:
    // due after the interval, nothing shown now. With resetMarker, a value of
    // that name (left by an installer) starts it too and is removed; with
    // writeInterval the starting schedule records the interval as well.
    bool Due(const char* resetMarker, bool writeInterval);

    // "Don't ask me again."
    void Never();

    // The interval the dialog shows: the stored one when it is a number,
    // otherwise the default.
    std::string IntervalText();

    // Stores the interval typed (see DaysFrom) and the next day due: today
    // plus those days, or never.
    void Save(const std::string& daysText, bool remindAgain);

    // A typed day count: a whole number from 1 to 3650, a number with a
    // fraction rounded to the nearest day; anything else is the default.
    int DaysFrom(const std::string& daysText) const;

  private:
    void Start(bool writeInterval);

    Registry& registry_;
    const Clock& clock_;
    std::string key_;
    int interval_;
};

}  // namespace quill
