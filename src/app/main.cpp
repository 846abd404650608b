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

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
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
    Services services{registry,
                      shell,
                      messages,
                      clock,
                      QApplication::applicationDirPath().toStdString(),
                      parameters,
                      fileDialogs,
                      clipboard,
                      printer,
                      downloader};
    return RunQuillroute(services);
}
