#include "app/TfrmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/MainMenu.h"
#include "app/TfrmAbout.h"
#include "catalogue/DataFiles.h"
#include "controls/PageControl.h"
#include "controls/Picture.h"
#include "controls/ScreenFit.h"
#include "online/OnlineChecks.h"
#include "orders/TOrderPage.h"
#include "output/Exports.h"
#include "pages/PageOne.h"
#include "pages/PageTwo.h"
#include "pages/TBandPlotDlg.h"
#include "pages/TResultPages.h"
#include "platform/ErrorReport.h"
#include "platform/TextConversion.h"
#include "pricing/PricingDate.h"
#include "session/ProgramData.h"

using namespace quill;

TfrmMain::TfrmMain(Services& services_, QWidget* parent)
    : QMainWindow(parent),
      services(services_),
      guard_(services_.messages),
      book_(DataFilePath(services_.writtenFolder, "Quillroute.lom")) {
    setObjectName("frmMain");
    // Every dialog the program opens stays on the screen it opens on.
    qApp->installEventFilter(new ScreenFit(this));
    UpdateTitle();
    // The pages were laid out for a small dialog font; at 584 x 538 a larger
    // one would clip the three columns of page 2.
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);
    BuildFrame();
    ComposeParts();
    PlaceOnScreen();
}

// 584 x 538, centred, wholly on the screen: on a small screen, or one scaled
// up, the window takes what room there is and its pages scroll.
void TfrmMain::PlaceOnScreen() {
    QSize size(584, 538);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        resize(size);
        return;
    }
    const QRect available = screen->availableGeometry();
    // Room for the frame and title bar the window manager puts around it.
    size = size.boundedTo(available.size() - QSize(16, 48));
    resize(size);
    const QPoint centred = available.center() - QPoint(size.width() / 2, size.height() / 2);
    move(std::max(centred.x(), available.left()), std::max(centred.y(), available.top() + 32));
}

// A menu's items have no status tips; the empty tip a menu sends as the mouse
// leaves it would wipe what the command just said in the status bar.
bool TfrmMain::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip && static_cast<QStatusTipEvent*>(event)->tip().isEmpty())
        return true;
    return QMainWindow::event(event);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    bool goOn = false;
    if (!guard_.Run([&] { goOn = orderPage_->SettleUnsavedChanges(); }) || !goOn) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void TfrmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) return;
    if (!isActiveWindow()) {
        // Qt names the newly active window before it tells the old one: none
        // when the user went to another program. Closing the reminder (or any
        // box of ours) hands the focus back, and that must not ask again.
        if (!QApplication::activeWindow()) awayFromProgram_ = true;
        return;
    }
    QueueScheduleChecks();
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // A desktop without a window manager never makes the window active; the
    // first showing counts as its first activation.
    QueueScheduleChecks();
}

// The checks run after the activation is complete, outside Qt's handling of
// it, and once however many events announced it.
void TfrmMain::QueueScheduleChecks() {
    if (!awayFromProgram_ || checksQueued_ || online_->Checking()) return;
    checksQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        checksQueued_ = false;
        awayFromProgram_ = false;
        guard_.Run([this] { online_->FormActivate(); });
    });
}

TfrmMain::~TfrmMain() {
    // A window destroyed while shown closes as it goes, and an open cell
    // editor then commits its text: by that time nothing of ours may run.
    if (orderPage_) orderPage_->Detach();
}

void TfrmMain::BuildFrame() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 2);
    layout->setSpacing(4);

    // The pages scroll rather than stretch the window when it is smaller than
    // the largest of them, as on a small or scaled-up screen.
    auto* pages = new QScrollArea(central);
    pages->setObjectName("PageScroller");
    pages->setFocusPolicy(Qt::NoFocus);  // a frame, not a stop of the Tab key
    pages->setFrameShape(QFrame::NoFrame);
    pages->setWidgetResizable(true);
    PageControl1 = new PageControl(pages);
    PageControl1->setObjectName("PageControl1");
    pageOne_ = new TPageOne(session_, services.messages, guard_);
    pageTwo_ = new TPageTwo(session_, guard_, services.programFolder, services.clipboard,
                            services.messages);
    partsList_ = new TPartsListPage;
    lengths_ = new TStandardLengthsPage;
    final_ = new TFinalPage;
    orderPage_ = new TOrderPage(book_, services, guard_);
    // Show handlers run inside the operation that changed the page, so an
    // error there stops that operation as a whole.
    PageControl1->AddPage(pageOne_, [this] { Page1Show(); });
    PageControl1->AddPage(pageTwo_, [this] { Page2Show(); });
    PageControl1->AddPage(partsList_, [this] { tsNoPNShow(); });
    PageControl1->AddPage(lengths_, [this] { tsNoLengthShow(); });
    PageControl1->AddPage(final_, [this] { tsFinalShow(); });
    PageControl1->AddPage(orderPage_, [this] { tsOrderShow(); });
    pages->setWidget(PageControl1);
    layout->addWidget(pages, 1);

    auto* bottomRow = new QHBoxLayout;
    imgLogo = new Picture(central);
    imgLogo->setObjectName("imgLogo");
    imgLogo->SetHint(QString("visit ") + kMakerWebAddress);
    imgLogo->setFixedSize(48, 30);
    imgLogo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    imgLogo->setCursor(Qt::PointingHandCursor);
    imgLogo->installEventFilter(this);
    lblEmail = new QLabel(QString("email: ") + kMakerSupportEmail, central);
    lblEmail->setObjectName("lblEmail");
    lblEmail->setToolTip("email questions and comments");
    lblEmail->setStatusTip("email questions and comments");
    lblEmail->setStyleSheet("color: blue; text-decoration: underline;");
    lblEmail->setCursor(Qt::PointingHandCursor);
    lblEmail->installEventFilter(this);
    bottomRow->addWidget(imgLogo);
    bottomRow->addWidget(lblEmail);
    bottomRow->addStretch(1);

    const auto navigationButton = [&](QPushButton*& button, const char* name,
                                      const QString& caption, const QString& hint,
                                      std::function<void()> click) {
        button = new QPushButton(caption, central);
        button->setObjectName(name);
        button->setToolTip(hint);
        button->setStatusTip(hint);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, guard_(std::move(click)));
        bottomRow->addWidget(button);
    };
    navigationButton(btnRestart, "btnRestart", "&Start Over", "Go back to the beginning.",
                     [this] { btnRestartClick(); });
    navigationButton(btnClose, "btnClose", "&Close", "Close", [this] { btnCloseClick(); });
    navigationButton(btnBack, "btnBack", "<- Back", "Go Back", [this] { btnBackClick(); });
    navigationButton(btnNext, "btnNext", "Next ->", "Proceed", [this] { btnNextClick(); });
    layout->addLayout(bottomRow);
    setCentralWidget(central);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    setStatusBar(StatusBar1);
}

void TfrmMain::ComposeParts() {
    exports_ = std::make_unique<TExports>(services, session_, book_, this);
    connect(PageControl1, &QStackedWidget::currentChanged, exports_.get(), [this] {
        QWidget* page = PageControl1->ActivePage();
        exports_->SetResultShown(page == final_ || page == partsList_);
    });
    online_ = std::make_unique<TOnlineChecks>(services, this);
    connect(online_.get(), &TOnlineChecks::updated, this, &TfrmMain::PricingUpdated);
    menu_ = new TMainMenu(*this, guard_, *orderPage_, *exports_, *online_);
    connect(menu_, &TMainMenu::startOverRequested, this, &TfrmMain::btnRestartClick);
    connect(menu_, &TMainMenu::exitRequested, this, &TfrmMain::btnCloseClick);
    connect(menu_, &TMainMenu::aboutRequested, this, &TfrmMain::Help1Click);
    connect(menu_, &TMainMenu::importRequested, this,
            [this] { orderPage_->ImportAssemblies1Click(session_); });
    connect(menu_, &TMainMenu::currencyChosen, this, &TfrmMain::ChooseCurrency);
    BandPlotDlg1 = new TBandPlotDlg(services, this);
    for (TResultPage* page : std::initializer_list<TResultPage*>{partsList_, final_}) {
        connect(page->UpdateButton(), &QPushButton::clicked, this,
                guard_([this] { online_->QuickUpdate1Click(); }));
        connect(page->BandPlotButton(), &QPushButton::clicked, this,
                [this] { btnBandPlotClick(); });
        // The datasheet as PDF, printed or previewed: a menu under its button.
        auto* datasheet = new QMenu(page->DatasheetButton());
        datasheet->setObjectName("DatasheetMenu");
        datasheet->addAction("Save as &PDF...", this,
                             guard_([this] { exports_->DatasheetPdfClick(); }));
        datasheet->addAction("&Print...", this,
                             guard_([this] { exports_->DatasheetPrintClick(); }));
        datasheet->addAction("Print Pre&view...", this,
                             guard_([this] { exports_->DatasheetPreviewClick(); }));
        datasheet->addSeparator();
        QAction* prices = datasheet->addAction("With P&rices");
        prices->setObjectName("DatasheetPrices");
        prices->setCheckable(true);
        prices->setChecked(true);
        connect(prices, &QAction::toggled, this, [this](bool on) {
            exports_->SetDatasheetPrices(on);
            for (QAction* other : findChildren<QAction*>("DatasheetPrices")) other->setChecked(on);
        });
        page->DatasheetButton()->setMenu(datasheet);
    }
    connect(orderPage_, &TOrderPage::printRequested, this,
            guard_([this] { exports_->Print1Click(); }));
    connect(orderPage_, &TOrderPage::addRequested, this, guard_([this] { btnRestartClick(); }));
    connect(orderPage_, &TOrderPage::closeRequested, this, guard_([this] { btnCloseClick(); }));
    connect(orderPage_, &TOrderPage::updateRequested, this,
            guard_([this] { online_->QuickUpdate1Click(); }));
    connect(orderPage_, &TOrderPage::opened, this, [this] { OrderOpened(); });
    connect(orderPage_, &TOrderPage::showRequested, this,
            [this] { PageControl1->SetActivePage(orderPage_); });
    connect(orderPage_, &TOrderPage::orderChanged, this, [this] { UpdateTitle(); });
    const auto status = [this](const QString& text) { StatusBar1->showMessage(text); };
    connect(orderPage_, &TOrderPage::statusMessage, this, status);
    connect(exports_.get(), &TExports::statusMessage, this, status);
}

bool TfrmMain::FormCreate() {
    // The shared data folder comes from the registry, as the maker's other tools find it.
    std::filesystem::path sharedFolder;
    if (!services.registry.KeyExists(kCommonFilesKey))
        services.messages.Error("Unable to locate Registry Key");
    if (const auto path = services.registry.ReadString(kCommonFilesKey, "Path"))
        sharedFolder = PathFromRegistry(*path);
    else
        services.messages.Error("Unable to create path from Registry");

    const auto& program = services.programFolder;
    // A bad data file must not keep the window from showing: its error box
    // says what is wrong and the program goes on with what could be read.
    data_ = LoadProgramData(program, sharedFolder,
                            [this](const std::function<void()>& step) { return guard_.Run(step); });
    if (!data_.missing.empty()) {
        services.messages.Beep();
        services.messages.Error(MissingFilesMessage(data_.missing));
        return false;
    }
    pageOne_->Start(program);
    if (data_.hasExchangeRates) menu_->ShowCurrencies(session_);
    PageControl1->SetActivePage(pageOne_);
    pageOne_->FillFrequencyLists();
    pageTwo_->Start();
    ShowImage(imgLogo, program, "logo.gif");
    for (TResultPage* page : std::initializer_list<TResultPage*>{partsList_, final_})
        page->AppendExchangeRateDate(data_.exchangeRateDate);
    OpenFromCommandLine();
    guard_.Run([&] { PageControl1->RunShowHandler(); });
    return true;
}

// A page arrived at by Next takes the focus to its first control; a result
// page, with nothing to fill in, to Next itself, the button Enter presses.
void TfrmMain::FocusActivePage() {
    QWidget* page = PageControl1->ActivePage();
    if (page == partsList_ || page == final_) return btnNext->setFocus(Qt::TabFocusReason);
    QWidget* control = page->nextInFocusChain();
    for (int left = 200; left > 0 && control != page;
         --left, control = control->nextInFocusChain()) {
        if (page->isAncestorOf(control) && control->isVisible() && control->isEnabled() &&
            (control->focusPolicy() & Qt::TabFocus))
            return control->setFocus(Qt::TabFocusReason);
    }
}

void TfrmMain::btnNextClick() {
    const QWidget* before = PageControl1->ActivePage();
    const auto focus = qScopeGuard([&] {
        if (PageControl1->ActivePage() != before && PageControl1->ActivePage() != orderPage_)
            FocusActivePage();
    });
    switch (PageControl1->ActivePageIndex()) {
        case 0:
            if (ApplyPageOneSelection()) PageControl1->SetActivePage(pageTwo_);
            break;
        case 1:
            ResolvePageTwo();
            break;
        default:
            NextOnResultPage();
            break;
    }
}

void TfrmMain::btnBackClick() {
    PageControl1->SetActivePage(
        PageControl1->ActivePageIndex() > 1 ? static_cast<QWidget*>(pageTwo_) : pageOne_);
}

void TfrmMain::btnRestartClick() { PageControl1->SetActivePage(pageOne_); }

void TfrmMain::btnCloseClick() { close(); }

void TfrmMain::SetFrameMenus(bool enabled) {
    menu_->SetFrameMenus(enabled, btnRestart->isEnabled(), exports_->IsSpreadsheetAvailable());
}

void TfrmMain::SetNavigationVisible(bool visible) {
    for (QPushButton* button : {btnRestart, btnClose, btnBack, btnNext})
        button->setVisible(visible);
}

void TfrmMain::OpenFromCommandLine() {
    const QStringList& parameters = services.parameters;
    if (parameters.size() != 2 || UpperCase(FromQt(parameters[0])) != "OPEN") return;
    const std::filesystem::path file = ToPath(parameters[1]);
    RunGuarded(services.messages, [&] { orderPage_->OpenFile(file); });
}

void TfrmMain::UpdateTitle() {
    const std::filesystem::path& file = book_.File();
    const QString name = file.empty() ? QString("Untitled") : FromPath(file.filename());
    setWindowTitle(name + "[*] - " + QString::fromUtf8("Quillroute\u2122"));
    setWindowModified(book_.HasUnsavedChanges());
}

void TfrmMain::imgLogoClick() { services.shell.Open(kMakerWebAddress); }

void TfrmMain::lblEmailClick() {
    services.shell.Open(std::string("mailto:") + kMakerSupportEmail + "?subject=Quillroute");
}

void TfrmMain::Help1Click() {
    TfrmAbout about(services.programFolder, this);
    about.exec();
}

// Enter that no control took presses the page's default button, Next or Add
// to Order, as in a dialog.
void TfrmMain::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier && btnNext->isVisible() &&
        btnNext->isEnabled()) {
        btnNext->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == imgLogo) guard_.Run([this] { imgLogoClick(); });
        if (watched == lblEmail) guard_.Run([this] { lblEmailClick(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- the wizard

// The pages' arrival, Next and what it leads to: the session decides, the
// pages show.

void TfrmMain::Page1Show() {
    SetNavigationVisible(true);
    btnRestart->setEnabled(false);
    btnBack->setEnabled(false);
    btnNext->setText("Next ->");
    SetFrameMenus(false);
}

void TfrmMain::Page2Show() {
    SetNavigationVisible(true);
    btnRestart->setEnabled(true);
    btnBack->setEnabled(true);
    btnNext->setText("Next ->");
    SetFrameMenus(false);
    pageTwo_->Page2Show();
}

void TfrmMain::tsNoPNShow() {
    partsList_->tsNoPNShow();
    btnNext->setText("Add To Order");
    btnBack->setEnabled(true);
    SetFrameMenus(true);
    ShowPricingDate(partsList_);
}

void TfrmMain::tsNoLengthShow() {
    SetNavigationVisible(true);
    btnBack->setEnabled(true);
    lengths_->tsNoLengthShow();
    SetFrameMenus(false);
}

void TfrmMain::tsFinalShow() {
    final_->tsFinalShow();
    btnNext->setText("Add to Order");
    btnBack->setEnabled(true);
    SetNavigationVisible(true);
    SetFrameMenus(true);
    ShowPricingDate(final_);
}

void TfrmMain::tsOrderShow() {
    SetFrameMenus(true);
    SetNavigationVisible(false);
    menu_->ShowOrderPage();
}

void TfrmMain::ShowRefusal(const Refusal& refusal) {
    services.messages.Beep();
    if (refusal.error)
        services.messages.Error(refusal.message);
    else
        services.messages.Warning(refusal.message);
    if (refusal.staysOn == WizardStep::Page1) pageOne_->FocusField(refusal.field);
}

bool TfrmMain::ApplyPageOneSelection() {
    const auto refusal = session_.CheckPageOne(pageOne_->Choices());
    if (refusal) ShowRefusal(*refusal);
    return !refusal;
}

void TfrmMain::ResolvePageTwo() {
    const NextOutcome outcome = session_.ResolvePageTwo();
    if (outcome.refusal) return ShowRefusal(*outcome.refusal);
    for (const std::string& warning : outcome.warnings) services.messages.Warning(warning);
    if (outcome.resolved) ShowResult();
}

void TfrmMain::ShowResult() {
    const QuoteResult& result = *session_.Result();
    switch (result.page) {
        case ResultKind::PartsList:
            PageControl1->SetActivePage(partsList_);
            return partsList_->Show(result);
        case ResultKind::StandardLengths:
            PageControl1->SetActivePage(lengths_);
            return lengths_->Show(result);
        case ResultKind::Final:
            PageControl1->SetActivePage(final_);
            return final_->Show(result);
    }
}

void TfrmMain::NextOnResultPage() {
    QWidget* page = PageControl1->ActivePage();
    if (page == lengths_) {
        session_.AcceptStandardLength(lengths_->ChosenItem());
        ShowResult();
    } else if (page == partsList_ || page == final_) {
        AddResultToOrder();
    }
}

void TfrmMain::AddResultToOrder() {
    const bool choosable = session_.ChoosableCurrency(book_.Lines().Currency()) != 0;
    if (!orderPage_->AddResult(session_.Result()->itemLines, session_.Currency().Code(), choosable))
        return;
    PageControl1->SetActivePage(orderPage_);
    orderPage_->RefillOrderGrid();
}

// The result shown follows the currency chosen; the order's lines keep the
// prices they were added with.
void TfrmMain::ChooseCurrency(int tag) {
    SetCurrency(tag);
    QWidget* page = PageControl1->ActivePage();
    if (page == final_)
        final_->Show(*session_.Result());
    else if (page == partsList_)
        partsList_->Show(*session_.Result());
    else
        orderPage_->RefillOrderGrid();
}

// An order read from a file brings its currency with it, as if chosen from the menu.
void TfrmMain::OrderOpened() {
    PageControl1->SetActivePage(orderPage_);
    const std::string& code = book_.Lines().Currency();
    if (code == session_.Currency().Code()) return;
    if (const int tag = session_.ChoosableCurrency(code)) {
        menu_->CheckCurrency(tag);
        SetCurrency(tag);
    } else {
        services.messages.Warning("This order is priced in " + CurrencyCaption(code) +
                                  ", which cannot be chosen here: its prices are shown as saved.");
    }
}

// The currency in force, and the foreign-currency note of the result pages.
void TfrmMain::SetCurrency(int tag) {
    session_.SetCurrency(tag);
    for (TResultPage* page : std::initializer_list<TResultPage*>{partsList_, final_})
        page->ShowForeignNote(tag != 1);
}

void TfrmMain::ShowPricingDate(TResultPage* page) {
    const Date today = services.clock.Today();
    const Date updated = PricingDate(services.writtenFolder, data_.PriceListFile(), today);
    page->ShowPricingDate(PricingDateText(FormatDate(updated)), IsPricingStale(updated, today));
}

// The notices of a result page on the screen show the new date at once.
void TfrmMain::PricingUpdated() {
    if (PageControl1->ActivePage() == partsList_) ShowPricingDate(partsList_);
    if (PageControl1->ActivePage() == final_) ShowPricingDate(final_);
}

// The plot of the result page shown, at the figures' own length.
void TfrmMain::btnBandPlotClick() {
    if (!session_.PageTwo().CurrentCable() || !session_.Result()) return;
    BandPlotDlg1->Execute(session_.Result()->selection, *session_.PageTwo().CurrentCable());
}
