#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QRegularExpression>

#include "platform/TextConversion.h"

namespace quill {

QUrl QtShell::TargetUrl(const std::string& target) {
    const QString text = ToQt(target);
    // Two letters at least, so that a drive letter ("C:\...") stays a path.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.\\-]+:"));
    if (scheme.match(text).hasMatch()) return QUrl(text, QUrl::TolerantMode);
    return QUrl::fromLocalFile(text);
}

void QtShell::Open(const std::string& target) {
    // The shell answers nothing the program could act on; a target without a
    // program to open it is simply not opened.
    QDesktopServices::openUrl(TargetUrl(target));
}

}  // namespace quill
