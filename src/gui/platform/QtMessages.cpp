#include "platform/QtMessages.h"

#include <QApplication>

#include "platform/TextConversion.h"

namespace quill {

QtMessages::QtMessages(QWidget* parent, QString caption)
    : parent_(parent), caption_(std::move(caption)) {}

QString QtMessages::BoxText(const std::string& text) {
    QString result = ToQt(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

QMessageBox::StandardButton QtMessages::Show(QMessageBox::Icon icon, const std::string& text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, caption_, BoxText(text), buttons, parent_.data());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void QtMessages::Warning(const std::string& text) {
    Show(QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessages::Error(const std::string& text) {
    Show(QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessages::Information(const std::string& text) {
    Show(QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessages::Confirm(const std::string& text) {
    return Show(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::Yes) == QMessageBox::Yes;
}

bool QtMessages::ConfirmWarning(const std::string& text) {
    return Show(QMessageBox::Warning, text,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                QMessageBox::Yes) == QMessageBox::Yes;
}

void QtMessages::Beep() { QApplication::beep(); }

// Qt plays no named system sounds; the asterisk is the plain beep here.
void QtMessages::Asterisk() { QApplication::beep(); }

}  // namespace quill
