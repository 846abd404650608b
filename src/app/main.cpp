#include <QApplication>

#include "app/Startup.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessages.h"
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
    QStringList parameters = QApplication::arguments();
    parameters.removeFirst();
    Services services{
        registry,   shell,      messages, clock, QApplication::applicationDirPath().toStdString(),
        parameters, fileDialogs};
    return RunQuillroute(services);
}
