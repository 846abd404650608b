#include "platform/TextConversion.h"

#include <QFile>
#include <QList>
#include <QStringDecoder>
#include <array>

#include "text/Windows1252.h"

namespace quill {

namespace {

char FromCodePoint(uint c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kWindows1252High.size(); ++i) {
        if (kWindows1252High[i] == c) return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

QString ToQt(const std::string& text) {
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (const char byte : text) {
        const auto b = static_cast<unsigned char>(byte);
        result.append(QChar(Windows1252CodePoint(b)));
    }
    return result;
}

std::string FromQt(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    // Whole code points, so that a character beyond the first plane gives one
    // "?" and not two.
    for (const uint c : text.toUcs4()) result.push_back(FromCodePoint(c));
    return result;
}

QString MessageToQt(const std::string& text) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString result = decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    return decoder.hasError() ? ToQt(text) : result;
}

std::filesystem::path ToPath(const QString& name) {
#ifdef Q_OS_WIN
    return std::filesystem::path(name.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(name).toStdString());
#endif
}

QString FromPath(const std::filesystem::path& path) {
#ifdef Q_OS_WIN
    return QString::fromStdWString(path.native());
#else
    return QFile::decodeName(path.c_str());
#endif
}

QStringList ToQt(const std::vector<std::string>& texts) {
    QStringList result;
    for (const std::string& text : texts) result << ToQt(text);
    return result;
}

}  // namespace quill
