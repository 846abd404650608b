#pragma once

#include <QMainWindow>
#include <memory>

#include "orders/OrderBook.h"
#include "platform/Guard.h"
#include "platform/Services.h"
#include "session/ProgramData.h"
#include "session/QuoteSession.h"

class QLabel;
class QPushButton;
class QStatusBar;
class TBandPlotDlg;
class TExports;
class TFinalPage;
class TMainMenu;
class TOnlineChecks;
class TOrderPage;
class TPageOne;
class TPageTwo;
class TPartsListPage;
class TResultPage;
class TStandardLengthsPage;

namespace quill {
class PageControl;
class Picture;
}  // namespace quill

// The main window: the wizard's frame. It holds the run's session and order
// book, composes the pages, the menu, the exports and the online services,
// and owns the page control, the navigation buttons and the status bar.
class TfrmMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit TfrmMain(Services& services, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The start-up sequence. False when the program cannot run (a required
    // file is missing): the caller ends the program without showing the window.
    bool FormCreate();

    // The run's state, for the companions of the window and for tests.
    quill::QuoteSession& Session() { return session_; }
    quill::OrderBook& Book() { return book_; }
    TOnlineChecks& Online() { return *online_; }

  protected:
    bool event(QEvent* event) override;
    // Exit and the close box alike: unsaved changes are asked about first.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void BuildFrame();
    void ComposeParts();
    void PlaceOnScreen();
    void QueueScheduleChecks();
    void OpenFromCommandLine();

    // Navigation and the pages' arrival.
    void btnNextClick();
    void FocusActivePage();
    void btnBackClick();
    void btnRestartClick();
    void btnCloseClick();
    void imgLogoClick();
    void lblEmailClick();
    void Help1Click();
    void Page1Show();
    void Page2Show();
    void tsNoPNShow();
    void tsNoLengthShow();
    void tsFinalShow();
    void tsOrderShow();
    void SetFrameMenus(bool enabled);
    void SetNavigationVisible(bool visible);

    // Next and what it leads to.
    bool ApplyPageOneSelection();
    void ResolvePageTwo();
    void NextOnResultPage();
    void ShowRefusal(const quill::Refusal& refusal);
    void ShowResult();
    void AddResultToOrder();
    void ChooseCurrency(int tag);
    void SetCurrency(int tag);
    void OrderOpened();
    void ShowPricingDate(TResultPage* page);
    void PricingUpdated();
    void btnBandPlotClick();
    // The order file's name (or "Untitled"), marked while changes are not saved.
    void UpdateTitle();

    Services& services;
    OperationGuard guard_;
    quill::ProgramData data_;
    quill::QuoteSession session_{data_};
    quill::OrderBook book_;
    // Since the last schedule checks the user was in another program (or
    // the window was never active): the next activation checks again.
    bool awayFromProgram_ = true;
    bool checksQueued_ = false;

    quill::PageControl* PageControl1 = nullptr;
    TPageOne* pageOne_ = nullptr;
    TPageTwo* pageTwo_ = nullptr;
    TPartsListPage* partsList_ = nullptr;
    TStandardLengthsPage* lengths_ = nullptr;
    TFinalPage* final_ = nullptr;
    TOrderPage* orderPage_ = nullptr;
    std::unique_ptr<TExports> exports_;
    std::unique_ptr<TOnlineChecks> online_;
    TMainMenu* menu_ = nullptr;
    TBandPlotDlg* BandPlotDlg1 = nullptr;
    QPushButton* btnRestart = nullptr;
    QPushButton* btnClose = nullptr;
    QPushButton* btnBack = nullptr;
    QPushButton* btnNext = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    quill::Picture* imgLogo = nullptr;
    QLabel* lblEmail = nullptr;
};
