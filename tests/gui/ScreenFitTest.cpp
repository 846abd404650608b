// Every window the program opens fits the free area of the screen it opens
// on, its buttons within reach. CTest runs this on 1024 x 768 screens at
// 1x and 2x besides the tests' usual 800 x 600 screen.

#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <set>

#include "OnlineFixture.h"
#include "app/TfrmAbout.h"
#include "orders/TOrderDetailsDlg.h"
#include "pages/TBandPlotDlg.h"
#include "pages/TCompareSizesDlg.h"

namespace wizard {
namespace {

class ScreenFit : public OnlineFixture {
  protected:
    static void ExpectOnScreen(QWidget* shown) {
        const QRect available = shown->screen()->availableGeometry();
        EXPECT_TRUE(available.contains(shown->frameGeometry()))
            << shown->metaObject()->className() << " at " << S(Rect(shown->frameGeometry()))
            << " on " << S(Rect(available));
    }
    static QString Rect(const QRect& r) {
        return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }

    // Opens a dialog the way the user does; every window shown meanwhile (a
    // download's progress too) is checked, and the dialog of the class named
    // is closed once seen.
    template <class Dialog>
    void OpenAndCheck(const std::function<void()>& open) {
        std::set<QWidget*> checked;
        bool seen = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            for (QWidget* shown : QApplication::topLevelWidgets()) {
                if (!shown->isVisible() || shown == window.get()) continue;
                if (checked.insert(shown).second) ExpectOnScreen(shown);
                if (qobject_cast<Dialog*>(shown)) {
                    seen = true;
                    shown->close();
                }
            }
        });
        poll.start(10);
        open();
        EXPECT_TRUE(QTest::qWaitFor([&] { return seen; })) << Dialog::staticMetaObject.className();
    }
};

TEST_F(ScreenFit, EveryDialogFitsTheScreen) {
    ServeNews(9);
    Start();
    ExpectOnScreen(window.get());
    OpenAndCheck<TfrmAbout>([&] { Menu("Help1")->trigger(); });
    GoToPageTwo();
    OpenAndCheck<TCompareSizesDlg>(
        [&] { Click(window->findChild<QPushButton*>("btnCompareSizes")); });
    Next();
    ASSERT_EQ(Shown(), ui().tsFinal);
    OpenAndCheck<TBandPlotDlg>([&] {
        auto* button = window->findChild<QPushButton*>("btnBandPlot1");
        ASSERT_NE(button, nullptr);
        Click(button);
    });
    AddToOrder();
    OpenAndCheck<TOrderDetailsDlg>([&] { Menu("OrderDetails1")->trigger(); });
    OpenAndCheck<QPrintPreviewDialog>([&] { Menu("PrintPreview1")->trigger(); });
    OpenAndCheck<TfrmUpdate>([&] { Menu("QuickUpdate1")->trigger(); });
    OpenAndCheck<TfrmNews>([&] { Menu("ViewLatestNewsFromOrlenk1")->trigger(); });
}

}  // namespace
}  // namespace wizard
