// Does what the installer does for the shared data folder: when the user has
// no "Path" under "\Software\Orlenk\Common Files" yet, it becomes the folder
// given on the command line. An existing value is kept unless --force says
// to replace it.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "catalogue/DataFiles.h"
#include "platform/CommandLine.h"
#include "platform/QtRegistry.h"
#include "platform/TextConversion.h"

namespace {

const char* const kDescription =
    "Registers the folder that holds the price list (M_lom.dat) as the shared data\n"
    "folder of Orlenk's programs for this user, unless one is registered already;\n"
    "--force replaces a registered folder. Exit status 0 when the folder is (or stays)\n"
    "registered, 1 when the folder does not exist, 2 for a wrong command line.";

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption force("force", "Replaces a registered folder.");
    parser.addOption(force);
    parser.addPositionalArgument("SHARED-DATA-FOLDER", "The folder of the price list.");
    if (const auto status = quill::ReadCommandLine(parser, kDescription, 1, 1)) return *status;
    const QString given = parser.positionalArguments()[0];
    const QFileInfo folder(given);
    if (!folder.isDir()) {
        std::fprintf(stderr, "quillroute_register_shared_folder: %s is not a folder\n",
                     qPrintable(given));
        return 1;
    }
    const QString path = QDir::toNativeSeparators(folder.absoluteFilePath());
    quill::QtRegistry registry;
    if (const auto existing = registry.ReadString(quill::kCommonFilesKey, "Path");
        existing && !parser.isSet(force)) {
        std::printf("Shared data folder: %s (already registered; --force replaces it)\n",
                    existing->c_str());
        return 0;
    }
    registry.WriteString(quill::kCommonFilesKey, "Path", quill::FromQt(path));
    std::printf("Shared data folder set to %s\n", qPrintable(path));
    if (!quill::FindFileIgnoringCase(path.toStdString(), "M_lom.dat"))
        std::fprintf(stderr, "Note: %s holds no M_lom.dat; the program needs one there.\n",
                     qPrintable(path));
    return 0;
}
