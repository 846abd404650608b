#include "platform/CommandLine.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

namespace quill {

std::optional<int> ReadCommandLine(QCommandLineParser& parser, const QString& description,
                                   int fewestArguments, int mostArguments) {
    parser.setApplicationDescription(description);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QStringList arguments = QCoreApplication::arguments();
    const QString name = QFileInfo(arguments.value(0)).fileName();
    const bool read = parser.parse(arguments);
    if (read && parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (read && parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(name), QUILLROUTE_VERSION);
        return 0;
    }
    const auto count = parser.positionalArguments().size();
    if (read && count >= fewestArguments && count <= mostArguments) return std::nullopt;
    const QString problem = !read                     ? parser.errorText()
                            : count < fewestArguments ? QString("too few arguments")
                                                      : QString("too many arguments");
    std::fprintf(stderr, "%s: %s\n%s", qPrintable(name), qPrintable(problem),
                 qPrintable(parser.helpText()));
    return 2;
}

}  // namespace quill
