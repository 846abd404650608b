#include "platform/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/TextConversion.h"

namespace quill {

void QtClipboard::SetText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(ToQt(text));
}

}  // namespace quill
