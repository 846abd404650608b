#include "platform/SystemClock.h"

#include <QDate>

namespace quill {

Date SystemClock::Today() const {
    const QDate today = QDate::currentDate();
    return Date{today.year(), today.month(), today.day()};
}

}  // namespace quill
