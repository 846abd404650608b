#pragma once

#include <QString>
#include <QWidget>

namespace quill {

// A control's hint shows as its tool tip and in the main window's status bar.
inline void SetHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

}  // namespace quill
