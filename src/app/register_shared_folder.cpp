// Does what the installer does for the shared data folder: when the user has
// no "Path" under "\Software\Orlenk\Common Files" yet, it becomes the folder
// given on the command line. An existing value is kept unless --force says
// to replace it.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "catalogue/DataFiles.h"
#include "platform/QtRegistry.h"
#include "platform/TextConversion.h"

namespace {

const char* const kUsage =
    "usage: quillroute_register_shared_folder [--force] SHARED-DATA-FOLDER\n"
    "Registers the folder that holds the price list (M_lom.dat) as the shared data\n"
    "folder of Orlenk's programs for this user, unless one is registered already;\n"
    "--force replaces a registered folder. Exit status 0 when the folder is (or stays)\n"
    "registered, 1 when the folder does not exist, 2 for a wrong command line.\n";

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    bool force = false;
    QString given;
    for (const QString& argument : QCoreApplication::arguments().mid(1)) {
        if (argument == "--help" || argument == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (argument == "--force") {
            force = true;
        } else if (argument.startsWith("-") || !given.isEmpty()) {
            std::fputs(kUsage, stderr);
            return 2;
        } else {
            given = argument;
        }
    }
    if (given.isEmpty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const QFileInfo folder(given);
    if (!folder.isDir()) {
        std::fprintf(stderr, "quillroute_register_shared_folder: %s is not a folder\n",
                     qPrintable(given));
        return 1;
    }
    const QString path = QDir::toNativeSeparators(folder.absoluteFilePath());
    const char* key = "\\Software\\Orlenk\\Common Files";
    quill::QtRegistry registry;
    if (const auto existing = registry.ReadString(key, "Path"); existing && !force) {
        std::printf("Shared data folder: %s (already registered; --force replaces it)\n",
                    existing->c_str());
        return 0;
    }
    registry.WriteString(key, "Path", quill::FromQt(path));
    std::printf("Shared data folder set to %s\n", qPrintable(path));
    if (!quill::FindFileIgnoringCase(path.toStdString(), "M_lom.dat"))
        std::fprintf(stderr, "Note: %s holds no M_lom.dat; the program needs one there.\n",
                     qPrintable(path));
    return 0;
}
