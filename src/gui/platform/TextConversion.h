#pragma once

#include <QString>
#include <QStringList>
#include <vector>
#include <string>

namespace quill {

// The one crossing between the core's texts (Windows-1252 bytes) and the
// widgets' Unicode. Every byte has a character, so bytes survive the round
// trip; a character that Windows-1252 cannot hold becomes "?".
QString ToQt(const std::string& text);
std::string FromQt(const QString& text);
QStringList ToQt(const std::vector<std::string>& texts);

}  // namespace quill
