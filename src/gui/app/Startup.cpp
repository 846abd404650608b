#include "app/Startup.h"

#include <QApplication>
#include <QLocale>
#include <clocale>

#include "app/TfrmMain.h"
#include "app/TfrmSplash.h"
#include "platform/UserFolders.h"

int RunQuillroute(Services& services, int splashMs) {
    // Numbers and dates look the same whatever the user's locale: "." for
    // decimals, "mm/dd/yyyy" for dates. The core never reads the C locale, and
    // Qt's default locale is fixed here for the widgets.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
    quill::NameApplication();
    QGuiApplication::setApplicationDisplayName("Orlenk Quillroute");

    if (services.parameters.size() <= 2) {
        TfrmSplash splash(services.programFolder, splashMs);
        splash.ShowUntilTimerFires();
    }
    TfrmMain window(services);
    if (!window.FormCreate()) return 0;
    window.show();
    return QApplication::exec();
}
