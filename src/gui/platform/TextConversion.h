#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <string>
#include <vector>

namespace quill {

// The one crossing between the core's texts (Windows-1252 bytes) and the
// widgets' Unicode. Every byte has a character, so bytes survive the round
// trip; a character that Windows-1252 cannot hold becomes "?".
QString ToQt(const std::string& text);
std::string FromQt(const QString& text);
QStringList ToQt(const std::vector<std::string>& texts);

// A message that may name a file: the core's messages are Windows-1252, the
// names of files in them UTF-8. Text that is well-formed UTF-8 (plain ASCII
// is) is read as UTF-8, anything else as Windows-1252.
QString MessageToQt(const std::string& text);

// File names between the widgets and the file system, whatever characters
// they hold.
std::filesystem::path ToPath(const QString& name);
QString FromPath(const std::filesystem::path& path);

}  // namespace quill
