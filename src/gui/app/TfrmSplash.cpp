#include "app/TfrmSplash.h"

#include <QCloseEvent>
#include <QEventLoop>
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
    // A loop of its own that sleeps until an event comes, and ends with the
    // timer: window events are handled meanwhile and no core is kept busy.
    QEventLoop wait;
    connect(&Timer1, &QTimer::timeout, &wait, &QEventLoop::quit);
    show();
    Timer1.start();
    wait.exec();
    close();
}

void TfrmSplash::closeEvent(QCloseEvent* event) {
    if (CanClose())
        event->accept();
    else
        event->ignore();
}
