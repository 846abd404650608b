// Does what the installer does for the shared data folder: when the user has
// no "Path" under "\Software\Orlenk\Common Files" yet, it becomes the folder
// given on the command line. An existing value is never overwritten.
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "platform/QtRegistry.h"
#include "platform/TextConversion.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SHARED-DATA-FOLDER\n", argv[0]);
        return 2;
    }
    const char* key = "\\Software\\Orlenk\\Common Files";
    quill::QtRegistry registry;
    if (const auto existing = registry.ReadString(key, "Path")) {
        std::printf("Shared data folder: %s\n", existing->c_str());
        return 0;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    registry.WriteString(key, "Path", quill::FromQt(QDir::toNativeSeparators(folder)));
    std::printf("Shared data folder set to %s\n", qPrintable(folder));
    return 0;
}
