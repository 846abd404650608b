#include <QApplication>

#include "app/Startup.h"
#include "platform/QtClipboard.h"
#include "platform/QtDownloader.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessages.h"
#include "platform/QtPrinter.h"
#include "platform/QtRegistry.h"
#include "platform/QtShell.h"
#include "platform/SystemClock.h"
#include "platform/TextConversion.h"
#include "platform/UserFolders.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    quill::NameApplication();
    quill::QtRegistry registry;
    quill::QtShell shell;
    quill::QtMessages messages;
    quill::SystemClock clock;
    quill::QtFileDialogs fileDialogs;
    quill::QtClipboard clipboard;
    quill::QtPrinter printer;
    quill::QtDownloader downloader;
    QStringList parameters = QApplication::arguments();
    parameters.removeFirst();
    // The catalogue and pictures are read beside the program; what it writes
    // goes there too unless that folder is not the user's to write.
    const std::filesystem::path programFolder = quill::ToPath(QApplication::applicationDirPath());
    const std::filesystem::path writtenFolder = quill::WrittenFilesFolderFor(programFolder);
    Services services{registry,   shell,       messages,  clock,   programFolder, writtenFolder,
                      parameters, fileDialogs, clipboard, printer, downloader};
    return RunQuillroute(services);
}
