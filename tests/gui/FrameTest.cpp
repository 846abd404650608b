// The wizard's frame: navigation, menus, status-bar hints, the links to the
// maker and the About box.

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStatusTipEvent>

#include "WizardFixture.h"
#include "app/TfrmAbout.h"

namespace wizard {
namespace {

class FrameTest : public WizardFixture {
  protected:
    void SetUp() override {
        WizardFixture::SetUp();
        ASSERT_NO_FATAL_FAILURE(Start());
    }

    // Moves the pointer onto a control, as the user does to read its hint.
    std::string HintShownFor(QWidget* widget) {
        ui().StatusBar1->clearMessage();
        QTest::mouseMove(widget, widget->rect().center());
        QApplication::processEvents();
        return S(ui().StatusBar1->currentMessage());
    }
};

// -------------------------------------------------------------- navigation

TEST_F(FrameTest, PageOneOffersNeitherBackNorStartOver) {
    EXPECT_EQ(Page(), 0);
    EXPECT_FALSE(ui().btnBack->isEnabled());
    EXPECT_FALSE(ui().btnRestart->isEnabled());
    EXPECT_FALSE(ui().StartOver1->isEnabled());
    for (QPushButton* button : {ui().btnRestart, ui().btnClose, ui().btnBack, ui().btnNext})
        EXPECT_TRUE(button->isVisible()) << S(button->objectName());
}

TEST_F(FrameTest, NavigationButtonsCarryTheirCaptionsAndHints) {
    EXPECT_EQ(S(ui().btnRestart->text()), "&Start Over");
    EXPECT_EQ(S(ui().btnClose->text()), "&Close");
    EXPECT_EQ(S(ui().btnBack->text()), "<- Back");
    EXPECT_EQ(S(ui().btnNext->text()), "Next ->");
    EXPECT_EQ(S(ui().btnRestart->toolTip()), "Go back to the beginning.");
    EXPECT_EQ(S(ui().btnClose->toolTip()), "Close");
    EXPECT_EQ(S(ui().btnBack->toolTip()), "Go Back");
    EXPECT_EQ(S(ui().btnNext->toolTip()), "Proceed");
    // Left to right: Start Over, Close, Back, Next.
    EXPECT_LT(ui().btnRestart->x(), ui().btnClose->x());
    EXPECT_LT(ui().btnClose->x(), ui().btnBack->x());
    EXPECT_LT(ui().btnBack->x(), ui().btnNext->x());
}

TEST_F(FrameTest, PageTwoOffersBackAndStartOver) {
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    EXPECT_EQ(ui().PageControl1->ActivePage(), ui().Page2);
    EXPECT_TRUE(ui().btnBack->isEnabled());
    EXPECT_TRUE(ui().btnRestart->isEnabled());
    EXPECT_TRUE(ui().StartOver1->isEnabled());
    EXPECT_EQ(S(ui().btnNext->text()), "Next ->");
    EXPECT_FALSE(ui().CurrencySettings1->menuAction()->isEnabled());
    EXPECT_FALSE(ui().Export1->menuAction()->isEnabled());
    EXPECT_FALSE(ui().Print1->isEnabled());
    EXPECT_FALSE(ui().CopyToClipboard1->isEnabled());
    EXPECT_FALSE(ui().Save1->isEnabled());
}

// Back, Start Over and its menu item and shortcut each lead from page 2 to
// page 1, which offers none of them again; Close and Exit close the window.
TEST_F(FrameTest, EveryWayBackLeadsToPageOneAndEveryWayOutCloses) {
    const std::pair<const char*, std::function<void()>> back[] = {
        {"Back", [&] { Back(); }},
        {"Start Over", [&] { StartOver(); }},
        {"the menu", [&] { ui().StartOver1->trigger(); }},
        {"Ctrl+R", [&] { QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier); }},
    };
    for (const auto& [way, go] : back) {
        SCOPED_TRACE(way);
        ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
        go();
        EXPECT_EQ(Page(), 0);
        EXPECT_FALSE(ui().btnBack->isEnabled());
        EXPECT_FALSE(ui().btnRestart->isEnabled());
        EXPECT_FALSE(ui().StartOver1->isEnabled());
    }
    Click(ui().btnClose);
    EXPECT_FALSE(window->isVisible());
    window->show();
    ui().Exit1->trigger();
    EXPECT_FALSE(window->isVisible());
}

// --------------------------------------------------------------- the menu

TEST_F(FrameTest, MenuItemsCarryTheirCaptionsAndShortcuts) {
    EXPECT_EQ(S(ui().File1->title()), "&File");
    const struct {
        QAction* action;
        const char* caption;
        const char* shortcut;
    } items[] = {
        {ui().NewOrder1, "&New Order", "Ctrl+N"},
        {ui().Open1, "&Open", "Ctrl+O"},
        {ui().Save1, "&Save", "Ctrl+S"},
        {ui().Print1, "&Print", "Ctrl+P"},
        {ui().PrintPreview1, "Print Pre&view...", ""},
        {ui().CopyToClipboard1, "&Copy To Clipboard", "Ctrl+C"},
        {ui().ViewLastOrder1, "&View Last Order", "Ctrl+V"},
        {ui().OrderDetails1, "Order &Details...", ""},
        {ui().ViewLatestNewsFromOrlenk1, "View Latest News From &Orlenk", "Ctrl+A"},
        {ui().QuickUpdate1, "&Quick Update", "Ctrl+U"},
        {ui().StartOver1, "S&tart Over", "Ctrl+R"},
        {ui().Exit1, "E&xit", "Ctrl+X"},
        {ui().ToATextFile1, "To a &text file", ""},
        {ui().ToanHTMLDocument1, "To an &HTML Document", ""},
        {ui().ToanMSExcelSpreadsheet1, "To an MS Excel &Spreadsheet", ""},
        {ui().ToAPDFDocument1, "To a P&DF Document", ""},
        {ui().Help1, "Ab&out", ""},
    };
    for (const auto& item : items) {
        ASSERT_NE(item.action, nullptr) << item.caption;
        EXPECT_EQ(S(item.action->text()), item.caption);
        EXPECT_EQ(item.action->shortcut(), QKeySequence(item.shortcut)) << item.caption;
    }
    EXPECT_EQ(S(ui().Export1->title()), "&Export");
    EXPECT_EQ(ui().Export1->menuAction()->shortcut(), QKeySequence());
    EXPECT_EQ(S(ui().CurrencySettings1->title()), "Currenc&y Settings");

    // The File menu in order, with its two separators.
    const QList<QAction*> file = ui().File1->actions();
    const std::vector<QAction*> expected = {ui().NewOrder1,
                                            ui().Open1,
                                            window->findChild<QAction*>("ImportAssemblies1"),
                                            ui().Save1,
                                            ui().Print1,
                                            ui().PrintPreview1,
                                            ui().Export1->menuAction(),
                                            ui().CopyToClipboard1,
                                            ui().OrderDetails1,
                                            ui().ViewLastOrder1,
                                            nullptr,
                                            ui().ViewLatestNewsFromOrlenk1,
                                            ui().QuickUpdate1,
                                            nullptr,
                                            ui().StartOver1,
                                            ui().Exit1};
    ASSERT_EQ(file.size(), static_cast<qsizetype>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        if (expected[i] == nullptr)
            EXPECT_TRUE(file[i]->isSeparator()) << i;
        else
            EXPECT_EQ(file[i], expected[i]) << i;
    }
    EXPECT_EQ(
        ui().Export1->actions(),
        (QList<QAction*>{ui().ToATextFile1, ui().ToanHTMLDocument1, ui().ToanMSExcelSpreadsheet1,
                         ui().ToAnExcelWorkbook1, ui().ToAPDFDocument1}));
    EXPECT_EQ(ui().ToAnExcelWorkbook1->text(), "To an Excel &Workbook (.xlsx)");

    // The menu bar: File, Currency Settings, About.
    const QList<QAction*> bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(bar[0], ui().File1->menuAction());
    EXPECT_EQ(bar[1], ui().CurrencySettings1->menuAction());
    EXPECT_EQ(bar[2], ui().Help1);
}

TEST_F(FrameTest, PageOneDisablesTheResultCommands) {
    EXPECT_FALSE(ui().Export1->menuAction()->isEnabled());
    EXPECT_FALSE(ui().Print1->isEnabled());
    EXPECT_FALSE(ui().CopyToClipboard1->isEnabled());
    EXPECT_FALSE(ui().Save1->isEnabled());
    EXPECT_FALSE(ui().CurrencySettings1->menuAction()->isEnabled());
}

TEST_F(FrameTest, SpreadsheetExportIsDisabledWithoutASpreadsheetProgram) {
    EXPECT_FALSE(ui().ToanMSExcelSpreadsheet1->isEnabled());
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    EXPECT_FALSE(ui().ToanMSExcelSpreadsheet1->isEnabled());
    Back();
    EXPECT_FALSE(ui().ToanMSExcelSpreadsheet1->isEnabled());
}

// A program for any spreadsheet type will do: Calc's desktop entry may claim
// ".xlsx" and ".ods" and not ".xls".
TEST_F(FrameTest, SpreadsheetExportFollowsTheSpreadsheetProgram) {
    for (const char* type : {".xls", ".xlsx", ".ods"}) {
        OfferSpreadsheetProgram(type);
        ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
        EXPECT_TRUE(ui().ToanMSExcelSpreadsheet1->isEnabled()) << type;
        Back();
    }
}

// ------------------------------------------------------------------ hints

TEST_F(FrameTest, StatusBarShowsTheHintOfTheControlUnderThePointer) {
    EXPECT_EQ(HintShownFor(ui().btnNext), "Proceed");
    EXPECT_EQ(HintShownFor(ui().btnClose), "Close");
    EXPECT_EQ(HintShownFor(ui().rgApp->Button(1)), "Select An Application");
    EXPECT_EQ(HintShownFor(ui().cboBeginning), "Select A Beginning Frequency");
    EXPECT_EQ(HintShownFor(ui().lblEmail), "email questions and comments");
}

TEST_F(FrameTest, StatusBarShowsPageTwoHints) {
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    EXPECT_EQ(HintShownFor(ui().cboTLineData), "Select Cable Size");
    EXPECT_EQ(HintShownFor(ui().rgConnectorGrade->Button(0)), "Select Connector Grade");
    EXPECT_EQ(HintShownFor(ui().cboC2Inner),
              "Select inner connector attachment for bottom connector");
    EXPECT_EQ(HintShownFor(ui().rbC1MatesTo), "Connector Mates To");
}

TEST_F(FrameTest, StatusBarShowsAHintSentByAnyControl) {
    QStatusTipEvent tip("Orlenk Corporation");
    QApplication::sendEvent(ui().Page1, &tip);
    EXPECT_EQ(S(ui().StatusBar1->currentMessage()), "Orlenk Corporation");
}

// ------------------------------------------------------------------ links

TEST_F(FrameTest, LogoOpensTheMakersWebSite) {
    EXPECT_EQ(S(ui().imgLogo->toolTip()), std::string("visit ") + kMakerWebAddress);
    QTest::mouseClick(ui().imgLogo, Qt::LeftButton);
    ASSERT_EQ(shell.opened, (Texts{kMakerWebAddress}));
    EXPECT_TRUE(shell.opened[0].starts_with("http"));
    EXPECT_TRUE(messages.calls.empty());
}

TEST_F(FrameTest, EmailLinkOpensAMessageWithTheProgramAsSubject) {
    EXPECT_EQ(S(ui().lblEmail->text()), std::string("email: ") + kMakerSupportEmail);
    QTest::mouseClick(ui().lblEmail, Qt::LeftButton);
    EXPECT_EQ(shell.opened,
              (Texts{std::string("mailto:") + kMakerSupportEmail + "?subject=Quillroute"}));
}

// ------------------------------------------------------------- About box

TEST_F(FrameTest, AboutOpensTheAboutBoxModallyAndReleasesIt) {
    bool seen = false;
    std::string caption;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        seen = modal->inherits("TfrmAbout");
        caption = S(modal->windowTitle());
        static_cast<QDialog*>(modal)->accept();
    });
    ui().Help1->trigger();
    EXPECT_TRUE(seen);
    EXPECT_EQ(caption, "About");
    QApplication::processEvents();
    EXPECT_TRUE(window->findChildren<TfrmAbout*>().isEmpty()) << "the box is released when closed";
    EXPECT_EQ(Page(), 0);
}

class AboutBoxTest : public WizardFixture {
  protected:
    void SetUp() override {
        WizardFixture::SetUp();
        SetUpBox();
    }
    // A new box, shown and active.
    void SetUpBox() {
        about = std::make_unique<TfrmAbout>(programFolder);
        about->show();
        about->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(about.get()));
    }
    void TearDown() override {
        about.reset();
        WizardFixture::TearDown();
    }

    void ReleaseWithAlt(const char* letters) {
        for (const char* c = letters; *c; ++c)
            QTest::keyRelease(about->btnOk, static_cast<Qt::Key>(Qt::Key_A + (*c - 'A')),
                              Qt::AltModifier);
    }

    std::unique_ptr<TfrmAbout> about;
};

TEST_F(AboutBoxTest, ShowsTitleTermsAndOk) {
    EXPECT_EQ(S(about->windowTitle()), "About");
    EXPECT_EQ(S(about->Label1->text()), "Orlenk Quillroute (TM)");
    EXPECT_EQ(S(about->lblVersion->text()), "Version " QUILLROUTE_VERSION);
    EXPECT_TRUE(about->lblVersion->isVisible());
    EXPECT_TRUE(S(about->Memo1->toPlainText()).starts_with("Terms\n\n"));
    EXPECT_NE(S(about->Memo1->toPlainText()).find(kMakerSupportEmail), std::string::npos);
    EXPECT_TRUE(about->Memo1->isReadOnly());
    EXPECT_EQ(S(about->btnOk->text()), "&Ok");
    EXPECT_TRUE(about->btnOk->hasFocus());
    EXPECT_TRUE(about->Image1->HasPicture());
    EXPECT_FALSE(about->imgGroup->isVisible());
}

// Alt with J, O, L and T released in turn shows the group picture in place
// of everything else; a wrong letter starts afresh, letters without Alt do
// not count. A capital J shows the second picture; a small one nothing.
TEST_F(AboutBoxTest, KeySequencesShowThePictures) {
    const auto altJolt = [&](QWidget* on) {
        for (const Qt::Key key : {Qt::Key_J, Qt::Key_O, Qt::Key_L, Qt::Key_T})
            QTest::keyRelease(on, key, Qt::AltModifier);
    };
    const std::string logo = PictureFile(about->Image1);
    const struct {
        const char* keys;
        std::function<void()> type;
        const char* shows;  // "group", the second picture's file, or "" for the first view
    } cases[] = {
        {"Alt+JOLT on Ok", [&] { ReleaseWithAlt("JOLT"); }, "group"},
        {"Alt+JOLT in the terms", [&] { altJolt(about->Memo1); }, "group"},
        {"Alt+JOX", [&] { ReleaseWithAlt("JOX"); }, ""},
        {"Alt+JOX, then Alt+JOLT", [&] { ReleaseWithAlt("JOXJOLT"); }, "group"},
        {"JOLT without Alt",
         [&] {
             for (const Qt::Key key : {Qt::Key_J, Qt::Key_O, Qt::Key_L, Qt::Key_T})
                 QTest::keyRelease(about->btnOk, key);
         },
         ""},
        {"Alt+JO, X without Alt, Alt+LT",
         [&] {
             ReleaseWithAlt("JO");
             QTest::keyRelease(about->btnOk, Qt::Key_X);
             ReleaseWithAlt("LT");
         },
         "group"},
        {"J on Ok", [&] { QTest::keyClick(about->btnOk, 'J'); }, "sw.gif"},
        {"J in the terms", [&] { QTest::keyClick(about->Memo1, 'J'); }, "sw.gif"},
        {"j on Ok", [&] { QTest::keyClick(about->btnOk, 'j'); }, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        ASSERT_NO_FATAL_FAILURE(SetUpBox());
        c.type();
        const std::string shows = c.shows;
        EXPECT_TRUE(about->isVisible());
        EXPECT_EQ(about->imgGroup->isVisible(), shows == "group");
        EXPECT_EQ(about->Memo1->isVisible(), shows.empty());
        EXPECT_EQ(about->Label1->isVisible(), shows.empty());
        EXPECT_EQ(about->Image1->isVisible(), shows != "group");
        if (shows == "group") {
            EXPECT_TRUE(about->imgGroup->HasPicture());
        } else {
            EXPECT_EQ(PictureFile(about->Image1), shows.empty() ? logo : shows);
        }
    }
    EXPECT_NE(logo, "sw.gif");
}

// A click on the terms, the title, the logo or Ok closes the box.
TEST_F(AboutBoxTest, AClickAnywhereClosesTheBox) {
    for (const char* where : {"terms", "title", "logo", "Ok"}) {
        SCOPED_TRACE(where);
        ASSERT_NO_FATAL_FAILURE(SetUpBox());
        QWidget* target = std::string(where) == "terms"   ? about->Memo1->viewport()
                          : std::string(where) == "title" ? static_cast<QWidget*>(about->Label1)
                          : std::string(where) == "logo"  ? static_cast<QWidget*>(about->Image1)
                                                          : about->btnOk;
        QTest::mouseClick(target, Qt::LeftButton);
        EXPECT_FALSE(about->isVisible());
    }
}

}  // namespace
}  // namespace wizard
