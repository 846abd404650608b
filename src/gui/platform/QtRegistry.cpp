#include "platform/QtRegistry.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "platform/TextConversion.h"

namespace quill {

namespace {

// "\Software\Orlenk\Common Files" -> {"Software", "Orlenk", "Common Files"}.
QStringList KeySegments(const std::string& path) {
    QString text = ToQt(path);
    text.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return text.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

QString FindName(const QStringList& names, const QString& wanted) {
    if (names.contains(wanted)) return wanted;
    for (const QString& name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0) return name;
    }
    return {};
}

// Runs a query inside a group and leaves the settings at their root again.
template <typename Query>
auto InGroup(QSettings& settings, const QString& group, Query query) {
    if (group.isEmpty()) return query();
    settings.beginGroup(group);
    auto result = query();
    settings.endGroup();
    return result;
}

// The stored spelling of a key path. With "partial", keys that do not exist
// keep the spelling asked for, so that writing creates them; otherwise a
// missing key gives no answer.
std::optional<QString> ResolveGroup(QSettings& settings, const QStringList& segments,
                                    bool partial) {
    QString group;
    bool found = true;
    for (const QString& segment : segments) {
        QString stored;
        if (found) {
            const QStringList children =
                InGroup(settings, group, [&] { return settings.childGroups(); });
            stored = FindName(children, segment);
        }
        if (stored.isEmpty()) {
            if (!partial) return std::nullopt;
            found = false;
            stored = segment;
        }
        group = group.isEmpty() ? stored : group + QLatin1Char('/') + stored;
    }
    return group;
}

QString ResolveValueName(QSettings& settings, const QString& group, const QString& name) {
    const QStringList keys = InGroup(settings, group, [&] { return settings.childKeys(); });
    return FindName(keys, name);
}

QString FullKey(const QString& group, const QString& name) {
    return group.isEmpty() ? name : group + QLatin1Char('/') + name;
}

#ifndef Q_OS_WIN
QString IniFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Orlenk/registry.ini");
}
#endif

}  // namespace

QtRegistry::QtRegistry() {
#ifdef Q_OS_WIN
    settings_ =
        std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER"), QSettings::NativeFormat);
#else
    settings_ = std::make_unique<QSettings>(IniFilePath(), QSettings::IniFormat);
#endif
}

QtRegistry::~QtRegistry() = default;

QString QtRegistry::Location() const { return settings_->fileName(); }

bool QtRegistry::KeyExists(const std::string& path) {
    settings_->sync();
    return ResolveGroup(*settings_, KeySegments(path), false).has_value();
}

std::optional<std::string> QtRegistry::ReadString(const std::string& path,
                                                  const std::string& name) {
    settings_->sync();
    const auto group = ResolveGroup(*settings_, KeySegments(path), false);
    if (!group) return std::nullopt;
    const QString stored = ResolveValueName(*settings_, *group, ToQt(name));
    if (stored.isEmpty()) return std::nullopt;
    const QVariant value = settings_->value(FullKey(*group, stored));
    // A hand-written INI line "a, b" reads as a list; the registry would hold
    // the text as it stands.
    if (value.typeId() == QMetaType::QStringList) {
        return FromQt(value.toStringList().join(QStringLiteral(", ")));
    }
    return FromQt(value.toString());
}

void QtRegistry::WriteString(const std::string& path, const std::string& name,
                             const std::string& value) {
    settings_->sync();
    const QString group = *ResolveGroup(*settings_, KeySegments(path), true);
    QString stored = ResolveValueName(*settings_, group, ToQt(name));
    if (stored.isEmpty()) stored = ToQt(name);
#ifndef Q_OS_WIN
    QDir().mkpath(QFileInfo(settings_->fileName()).absolutePath());
#endif
    settings_->setValue(FullKey(group, stored), ToQt(value));
    settings_->sync();
}

void QtRegistry::DeleteValue(const std::string& path, const std::string& name) {
    settings_->sync();
    const auto group = ResolveGroup(*settings_, KeySegments(path), false);
    if (!group) return;
    const QString stored = ResolveValueName(*settings_, *group, ToQt(name));
    if (stored.isEmpty()) return;
    settings_->remove(FullKey(*group, stored));
    settings_->sync();
}

std::vector<std::string> QtRegistry::SubKeys(const std::string& path) {
    settings_->sync();
    std::vector<std::string> result;
    const auto group = ResolveGroup(*settings_, KeySegments(path), false);
    if (!group) return result;
    const QStringList children =
        InGroup(*settings_, *group, [&] { return settings_->childGroups(); });
    for (const QString& child : children) result.push_back(FromQt(child));
    return result;
}

bool QtRegistry::ClassKeyExists(const std::string& className) {
#ifdef Q_OS_WIN
    // Opened directly: the classes root holds far too many keys to list them
    // at every look, and the registry itself ignores the case of names.
    const QSettings key(
        QStringLiteral("HKEY_CLASSES_ROOT\\") + KeySegments(className).join(QLatin1Char('\\')),
        QSettings::NativeFormat);
    return !key.childGroups().isEmpty() || !key.childKeys().isEmpty();
#else
    // Without a classes root, the user's own class registrations stand where
    // the registry keeps them too.
    return KeyExists("\\Software\\Classes\\" + className);
#endif
}

}  // namespace quill
