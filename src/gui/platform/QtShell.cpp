#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QSettings>

#include "platform/PathText.h"
#include "platform/TextConversion.h"

namespace quill {

QUrl QtShell::TargetUrl(const std::string& target) {
    const QString text = ToQt(target);
    // Two letters at least, so that a drive letter ("C:\...") stays a path.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.\\-]+:"));
    if (scheme.match(text).hasMatch()) return QUrl(text, QUrl::TolerantMode);
    // A path is UTF-8, not a Windows-1252 text.
    return QUrl::fromLocalFile(FromPath(PathFromUtf8(target)));
}

void QtShell::Open(const std::string& target) {
    // The shell answers nothing the program could act on; a target without a
    // program to open it is simply not opened.
    QDesktopServices::openUrl(TargetUrl(target));
}

}  // namespace quill

namespace quill {

namespace {

#if !defined(Q_OS_WIN)
// The folders that hold desktop entries, the user's own first.
QStringList ApplicationFolders() {
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (home.isEmpty()) home = QDir::homePath() + "/.local/share";
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty()) dirs = "/usr/local/share:/usr/share";
    QStringList folders{home + "/applications"};
    for (const QString& dir : dirs.split(':', Qt::SkipEmptyParts)) folders << dir + "/applications";
    return folders;
}

bool DesktopEntryTakes(const QString& file, const QStringList& types) {
    QFile entry(file);
    if (!entry.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    while (!entry.atEnd()) {
        const QString line = QString::fromUtf8(entry.readLine()).trimmed();
        if (!line.startsWith("MimeType=")) continue;
        for (const QString& type : line.mid(9).split(';', Qt::SkipEmptyParts))
            if (types.contains(type)) return true;
    }
    return false;
}
#endif

}  // namespace

bool QtShell::HasApplicationFor(const std::string& extension) {
    const auto known = applications_.find(extension);
    if (known != applications_.end()) return known->second;
    bool found = false;
#if defined(Q_OS_WIN)
    QSettings classes("HKEY_CLASSES_ROOT\\" + ToQt(extension), QSettings::NativeFormat);
    found = !classes.allKeys().isEmpty() || !classes.childGroups().isEmpty();
#else
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile("file" + ToQt(extension), QMimeDatabase::MatchExtension);
    QStringList types = type.aliases();
    types << type.name();
    // An extension of no known type is opened by nothing in particular.
    for (const QString& folder : type.isDefault() ? QStringList() : ApplicationFolders()) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList({"*.desktop"}, QDir::Files)) {
            if (DesktopEntryTakes(dir.filePath(name), types)) {
                found = true;
                break;
            }
        }
        if (found) break;
    }
#endif
    applications_.emplace(extension, found);
    return found;
}

}  // namespace quill
