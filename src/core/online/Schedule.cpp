#include "online/Schedule.h"

#include <cmath>

#include "text/Fields.h"

namespace quill {

ReminderSchedule::ReminderSchedule(Registry& registry, const Clock& clock,
                                   const std::string& registryKey, const std::string& leaf,
                                   int interval)
    : registry_(registry),
      clock_(clock),
      key_("\\Software\\Orlenk\\" + (registryKey.empty() ? "" : registryKey + "\\") + leaf),
      interval_(interval) {}

void ReminderSchedule::Start(bool writeInterval) {
    registry_.WriteString(key_, "NextUpdate", FormatDate(AddDays(clock_.Today(), interval_)));
    if (writeInterval) registry_.WriteString(key_, "Interval", std::to_string(interval_));
}

bool ReminderSchedule::Due(const char* resetMarker, bool writeInterval) {
    const auto next = registry_.ReadString(key_, "NextUpdate");
    const bool reset = resetMarker && registry_.ReadString(key_, resetMarker).has_value();
    if (!next || reset) {
        Start(writeInterval);
        if (resetMarker) registry_.DeleteValue(key_, resetMarker);
        return false;
    }
    if (*next == "0") return false;
    Date due;
    if (!ParseDate(Trim(*next), due)) {
        Start(writeInterval);
        return false;
    }
    return clock_.Today() >= due;
}

void ReminderSchedule::Never() { registry_.WriteString(key_, "NextUpdate", "0"); }

std::string ReminderSchedule::IntervalText() {
    const std::string stored = Trim(registry_.ReadString(key_, "Interval").value_or(""));
    double value = 0;
    if (!stored.empty() && TryStrToFloat(stored, value)) return stored;
    return std::to_string(interval_);
}

int ReminderSchedule::DaysFrom(const std::string& daysText) const {
    double value = 0;
    if (!TryStrToFloat(Trim(daysText), value) || !std::isfinite(value)) return interval_;
    const double days = std::round(value);
    if (days < 1 || days > 3650) return interval_;
    return static_cast<int>(days);
}

void ReminderSchedule::Save(const std::string& daysText, bool remindAgain) {
    const int days = DaysFrom(daysText);
    registry_.WriteString(key_, "NextUpdate",
                          remindAgain ? FormatDate(AddDays(clock_.Today(), days)) : "0");
    registry_.WriteString(key_, "Interval", std::to_string(days));
}

}  // namespace quill
