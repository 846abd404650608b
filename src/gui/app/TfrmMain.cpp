#include "app/TfrmMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "app/TfrmAbout.h"
#include "catalogue/DataFiles.h"
#include "controls/ComboBox.h"
#include "controls/Hint.h"
#include "controls/PageControl.h"
#include "controls/Picture.h"
#include "controls/RadioGroup.h"
#include "online/TNewsDlg.h"
#include "online/TQuickUpdateDlg.h"
#include "orders/TOrderPage.h"
#include "platform/ErrorReport.h"
#include "platform/TextConversion.h"

using namespace quill;

namespace {

const char* const kCommonFilesKey = "\\Software\\Orlenk\\Common Files";

}  // namespace

TfrmMain::TfrmMain(Services& services_, QWidget* parent)
    : QMainWindow(parent),
      services(services_),
      lastOrder(DataFilePath(services_.writtenFolder, "Quillroute.lom")) {
    setObjectName("frmMain");
    setWindowTitle(QString::fromUtf8("Quillroute\u2122"));
    // The pages were laid out for a small dialog font; at 584 x 538 a larger
    // one would clip the three columns of page 2.
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);
    BuildFrame();
    BuildMainMenu();
    ComposeOnline();
    ComposeBandPlot();
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
    if (!awayFromProgram_ || checksQueued_ || checkingSchedules_) return;
    checksQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        checksQueued_ = false;
        awayFromProgram_ = false;
        Guarded([this] { FormActivate(); })();
    });
}

TfrmMain::~TfrmMain() {
    // A window destroyed while shown closes as it goes, and an open cell
    // editor then commits its text: by that time nothing of ours may run.
    if (orderPage) orderPage->Detach();
}

std::function<void()> TfrmMain::Guarded(std::function<void()> handler) {
    return [this, handler = std::move(handler)] {
        if (guardDepth > 0) return handler();
        ++guardDepth;
        RunGuarded(services.messages, handler);
        --guardDepth;
    };
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
    pages->setFrameShape(QFrame::NoFrame);
    pages->setWidgetResizable(true);
    PageControl1 = new PageControl(pages);
    PageControl1->setObjectName("PageControl1");
    Page1 = BuildPageOne();
    Page2 = BuildPageTwo();
    tsNoPN = BuildPartsListPage();
    tsNoLength = BuildStandardLengthsPage();
    tsFinal = BuildFinalPage();
    tsOrder = ComposeOrderPage();
    // Show handlers run inside the operation that changed the page, so an
    // error there stops that operation as a whole.
    PageControl1->AddPage(Page1, [this] { Page1Show(); });
    PageControl1->AddPage(Page2, [this] { Page2Show(); });
    PageControl1->AddPage(tsNoPN, [this] { tsNoPNShow(); });
    PageControl1->AddPage(tsNoLength, [this] { tsNoLengthShow(); });
    PageControl1->AddPage(tsFinal, [this] { tsFinalShow(); });
    PageControl1->AddPage(tsOrder, [this] { tsOrderShow(); });
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
        connect(button, &QPushButton::clicked, this, Guarded(std::move(click)));
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

QWidget* TfrmMain::NewPage(const char* name) {
    auto* page = new QWidget;
    page->setObjectName(name);
    SetHint(page, "Orlenk Corporation");
    return page;
}

bool TfrmMain::FormCreate() {
    // The shared data folder comes from the registry, as the maker's other tools find it.
    if (!services.registry.KeyExists(kCommonFilesKey))
        services.messages.Error("Unable to locate Registry Key");
    if (const auto path = services.registry.ReadString(kCommonFilesKey, "Path"))
        sharedFolder = std::filesystem::path(*path);
    else
        services.messages.Error("Unable to create path from Registry");

    const auto& program = services.programFolder;
    hasExchangeRates = FindFileIgnoringCase(program, "xcngrate.dat").has_value();
    if (const StringList missing = MissingRequiredFiles(sharedFolder, program); !missing.empty()) {
        // The sentence stays as users know it; the files it means follow.
        std::string text = "One or more files needed to run this application are missing.";
        for (const std::string& file : missing) text += "\r" + file;
        services.messages.Beep();
        services.messages.Error(text);
        return false;
    }

    top.connectorName = bottom.connectorName = "7-16 DIN Male";
    cableModelName = "RVX4-50K";
    connectorGradeIndex = cableGradeIndex = connectorAttachmentIndex = 0;
    frequencyUnit = "M";
    LoadLengthCombo(1, 50, 5);

    // A bad data file must not keep the window from showing: its error box
    // says what is wrong and the program goes on with what could be read.
    const auto load = [this](const std::function<void()>& step) {
        return RunGuarded(services.messages, step);
    };
    load([&] { priceList = PriceList(ReadAllLines(DataFilePath(sharedFolder, "M_lom.dat"))); });
    if (hasExchangeRates) {
        CurrencySettings1->menuAction()->setVisible(true);
        const auto rates = DataFilePath(program, "xcngrate.dat");
        exchangeRateDate = FromQt(QFileInfo(QString::fromStdString(rates.string()))
                                      .lastModified()
                                      .date()
                                      .toString("MM/dd/yyyy"));
        load([&] {
            exchangeRateLines = ReadAllLines(rates);
            exchangeRates = ExchangeRates(exchangeRateLines);
        });
        MarkUnavailableCurrencies();
    }
    const auto catalogue = DataFilePath(program, "dat/tlineconnectors.dat");
    if (load([&] { LoadCableCatalogue(catalogue, cableCatalogue); }) && cableCatalogue.empty())
        services.messages.Error("The catalogue " + catalogue.string() +
                                " holds no cable this program can read, so there is nothing to "
                                "choose from. Please install the catalogue again.");
    PageControl1->SetActivePage(Page1);
    load([&] { FillFrequencyLists(); });
    rgCableType->SetItemEnabled(2, false);
    load([&] { imageLines = ReadAllLines(DataFilePath(program, "dat/images.dat")); });
    LoadPicture(imgTopJumper, "topjumper.gif");
    LoadPicture(imgBottomJumper, "bottomjumper.gif");
    LoadPicture(imgFeeder, "mainfeeder.gif");
    LoadPicture(imgVL, "vl.gif");
    LoadPicture(imgLogo, "logo.gif");
    AppendExchangeRateDate();
    OpenFromCommandLine();
    load([&] { PageControl1->RunShowHandler(); });
    return true;
}

QString TfrmMain::ImagePath(const std::string& fileName) const {
    return ToQt(DataFilePath(services.programFolder / "images", fileName).string());
}

void TfrmMain::LoadPicture(Picture* picture, const std::string& fileName) {
    // A missing picture is not worth an error box: the control shows none.
    if (fileName.empty() || !picture->Load(ImagePath(fileName))) picture->Clear();
}

void TfrmMain::btnNextClick() {
    switch (PageControl1->ActivePageIndex()) {
        case 0:
            if (ApplyPageOneSelection()) PageControl1->SetActivePage(Page2);
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
    PageControl1->SetActivePage(PageControl1->ActivePageIndex() > 1 ? Page2 : Page1);
}

void TfrmMain::btnRestartClick() { PageControl1->SetActivePage(Page1); }

void TfrmMain::btnCloseClick() { close(); }

void TfrmMain::SetFrameMenus(bool enabled) {
    CurrencySettings1->setEnabled(enabled);
    Export1->setEnabled(enabled);
    Print1->setEnabled(enabled);
    PrintPreview1->setEnabled(enabled);
    CopyToClipboard1->setEnabled(enabled);
    StartOver1->setEnabled(btnRestart->isEnabled());
    Save1->setEnabled(false);
    OrderDetails1->setEnabled(false);
    ToanMSExcelSpreadsheet1->setEnabled(IsSpreadsheetAvailable());
}

void TfrmMain::SetNavigationVisible(bool visible) {
    for (QPushButton* button : {btnRestart, btnClose, btnBack, btnNext})
        button->setVisible(visible);
}

void TfrmMain::Page1Show() {
    SetNavigationVisible(true);
    btnRestart->setEnabled(false);
    btnBack->setEnabled(false);
    btnNext->setText("Next ->");
    SetFrameMenus(false);
}

void TfrmMain::imgLogoClick() { services.shell.Open(kMakerWebAddress); }

void TfrmMain::lblEmailClick() {
    services.shell.Open(std::string("mailto:") + kMakerSupportEmail + "?subject=Quillroute");
}

void TfrmMain::Help1Click() {
    TfrmAbout about(services.programFolder, this);
    about.exec();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == imgLogo) Guarded([this] { imgLogoClick(); })();
        if (watched == lblEmail) Guarded([this] { lblEmailClick(); })();
    }
    return QMainWindow::eventFilter(watched, event);
}
