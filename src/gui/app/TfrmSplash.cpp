#include "app/TfrmSplash.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "controls/Picture.h"
#include "platform/TextConversion.h"

TfrmSplash::TfrmSplash(const std::filesystem::path& programFolder, int intervalMs)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("frmSplash");
    setFixedSize(408, 244);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Image1 = new quill::Picture(this);
    Image1->setObjectName("Image1");
    Image1->Load(quill::FromPath(programFolder / "images" / "splash.gif"));
    layout->addWidget(Image1);
    Timer1.setInterval(intervalMs);
    Timer1.setSingleShot(true);  // Timer1Timer switches the timer off
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TfrmSplash::ShowUntilTimerFires() {
    show();
    Timer1.start();
    while (!CanClose()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    close();
}

void TfrmSplash::closeEvent(QCloseEvent* event) {
    if (CanClose())
        event->accept();
    else
        event->ignore();
}
