// Downloads for real, from an HTTP server on this machine's loopback address.

#include <QElapsedTimer>

#include "OnlineFixture.h"
#include "platform/PathText.h"

namespace wizard {
namespace {

using quill::Messages;

const char* const kPricingFailed =
    "Unable to dowload Pricing Database. Please verify your Internet connection or contact ORLENK "
    "for assistance.";

class Downloads : public OnlineFixture {
  protected:
    void SetUp() override {
        OnlineFixture::SetUp();
        fs::create_directories(Updates());
    }
    std::string Installer(const char* name) const { return quill::Utf8Of(Updates() / name); }
};

TEST_F(Downloads, APricingDownloadArrivesWholeAndItsInstallerStarts) {
    const QByteArray body(300000, 'p');
    server.Serve("/updates/pricing.exe", {200, body});
    quill::QuickUpdate update = Update();
    EXPECT_TRUE(update.UpdatePricing(Updates(), true));
    EXPECT_EQ(FileText(Updates() / "pricing.exe"), body.toStdString());
    EXPECT_EQ(shell.opened, Texts{Installer("pricing.exe")});
    EXPECT_EQ(
        messages.calls,
        (Calls{{"beep", ""},
               {"information", "Download Complete.\rClick OK to continue with installation."}}));
    EXPECT_EQ(server.requested, QStringList{"/updates/pricing.exe"});
}

TEST_F(Downloads, AFailedDownloadSaysSoLeavesNoInstallerAndStartsNothing) {
    struct Case {
        const char* what;
        LoopbackHttpServer::Response response;
        std::string message;  // the failed connection keeps the old sentence
    };
    const QByteArray body(200000, 'x');
    const Case cases[] = {
        {"not found",
         {404, "<html>Not here</html>"},
         "Unable to dowload Pricing Database: the server has no such file (404)."},
        {"server error",
         {500, "<html>Oops</html>"},
         "Unable to dowload Pricing Database: the server answered 500."},
        {"closed half-way",
         {200, body, LoopbackHttpServer::Behaviour::CloseHalfway},
         kPricingFailed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // An installer left from an earlier update must not pass for this one.
        std::ofstream(Updates() / "pricing.exe") << "old installer";
        server.Serve("/updates/pricing.exe", c.response);
        messages.Reset();
        shell.opened.clear();
        EXPECT_FALSE(Update().UpdatePricing(Updates(), true));
        EXPECT_FALSE(fs::exists(Updates() / "pricing.exe"));
        EXPECT_EQ(messages.Boxes(), (Calls{{"error", c.message}}));
        EXPECT_EQ(shell.opened, Texts{});
        EXPECT_EQ(fs::directory_iterator(Updates()), fs::directory_iterator())
            << "no partial or temporary file stays behind";
    }
}

TEST_F(Downloads, ARefusedConnectionIsAFailedDownload) {
    server.Close();
    EXPECT_FALSE(Update().UpdatePricing(Updates(), true));
    EXPECT_EQ(messages.Boxes(), (Calls{{"error", kPricingFailed}}));
    EXPECT_EQ(shell.opened, Texts{});
}

TEST_F(Downloads, AServerThatStallsEndsTheDownload) {
    server.Serve("/updates/pricing.exe",
                 {200, QByteArray(100000, 's'), LoopbackHttpServer::Behaviour::Stall});
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(Update().UpdatePricing(Updates(), true));
    // The test's downloader gives up after two seconds without data.
    EXPECT_GE(clock.elapsed(), 1900);
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_FALSE(fs::exists(Updates() / "pricing.exe"));
    EXPECT_EQ(messages.Boxes(),
              (Calls{{"error", "Unable to dowload Pricing Database: no data for 2 seconds."}}));
}

TEST_F(Downloads, CancelInTheProgressWindowStopsTheDownloadWithANote) {
    server.trickleMilliseconds = 50;
    server.Serve("/updates/pricing.exe",
                 {200, QByteArray(400000, 'c'), LoopbackHttpServer::Behaviour::Trickle});
    bool cancelled = false;
    QTimer::singleShot(300, [&] {
        auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(progress, nullptr);
        EXPECT_TRUE(progress->isVisible());
        // Wide enough for its whole title beside a title bar's icon and buttons.
        EXPECT_GE(progress->width(),
                  progress->fontMetrics().horizontalAdvance(progress->windowTitle()) + 160);
        EXPECT_TRUE(progress->labelText().contains("Downloading Pricing Database"));
        EXPECT_TRUE(progress->labelText().contains(" of 400,000 bytes"))
            << S(progress->labelText());
        QPushButton* cancel = progress->findChild<QPushButton*>();
        ASSERT_NE(cancel, nullptr);
        EXPECT_EQ(S(cancel->text()), "&Cancel");
        cancel->click();
        cancelled = true;
    });
    EXPECT_FALSE(Update().UpdatePricing(Updates(), true));
    EXPECT_TRUE(cancelled);
    EXPECT_FALSE(fs::exists(Updates() / "pricing.exe"));
    EXPECT_EQ(messages.Boxes(),
              (Calls{{"information", "The download of Pricing Database was cancelled."}}))
        << "the user's own Cancel is no error";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the progress window is gone";
}

TEST_F(Downloads, AFailedProgramStopsTheOthersButWhatArrivedIsInstalled) {
    Register("Alpha", "Alpha Designer", "alpha.exe", "01/01/2026");
    Register("Beta", "Beta Planner", "beta.exe", "01/01/2026");
    Register("Gamma", "Gamma Tools", "gamma.exe", "01/01/2026");
    server.Serve("/updates/alpha.exe", {200, "alpha"});
    server.Serve("/updates/gamma.exe", {200, "gamma"});
    server.Serve("/updates/pricing.exe", {200, "pricing"});
    EXPECT_TRUE(
        Update().UpdatePrograms(Updates(), {"Alpha Designer", "Beta Planner", "Gamma Tools"}));
    EXPECT_EQ(server.requested,
              (QStringList{"/updates/alpha.exe", "/updates/beta.exe", "/updates/pricing.exe"}));
    EXPECT_EQ(shell.opened, (Texts{Installer("alpha.exe"), Installer("pricing.exe")}));
    EXPECT_EQ(
        messages.Boxes(),
        (Calls{{"error", "Unable to dowload Beta Planner: the server has no such file (404)."},
               {"information",
                "Some files were not downloaded\rClick OK to install the files which were "
                "successfully downloaded\rand contact ORLENK for assistance with the others"}}));
    EXPECT_EQ(Value("\\Software\\Orlenk\\Alpha", "UpdateDate"), "12/07/2026");
    EXPECT_EQ(Value("\\Software\\Orlenk\\Beta", "UpdateDate"), "01/01/2026");
    EXPECT_EQ(Value("\\Software\\Orlenk\\Gamma", "UpdateDate"), "01/01/2026");
}

TEST_F(Downloads, AnInstallerNameThatIsAPathIsNeverFetched) {
    Register("Alpha", "Alpha Designer", "..\\..\\evil.exe");
    server.Serve("/updates/pricing.exe", {200, "pricing"});
    EXPECT_TRUE(Update().UpdatePrograms(Updates(), {"Alpha Designer"}));
    EXPECT_EQ(server.requested, QStringList{"/updates/pricing.exe"});
    EXPECT_EQ(shell.opened, Texts{Installer("pricing.exe")});
    ASSERT_FALSE(messages.Boxes().empty());
    EXPECT_EQ(messages.Boxes()[0].kind, "error");
}

// ------------------------------------------------------------ through the window

class UpdateCommand : public Downloads {
  protected:
    // Runs the update command; the dialog, once shown, gets the test's hands.
    void RunUpdate(std::function<void(TfrmUpdate&)> hands) {
        bool shown = false;
        window->Online().QuickUpdate().onShown = [&](TfrmUpdate& dialog) {
            shown = true;
            hands(dialog);
        };
        ui().QuickUpdate1->trigger();
        EXPECT_TRUE(shown);
    }
};

TEST_F(UpdateCommand, ACompletedPricingUpdateRecordsItsDayAndTheSchedule) {
    server.Serve("/updates/pricing.exe", {200, "pricing"});
    Start();
    clock.SetToday({2026, 12, 20});
    RunUpdate([&](TfrmUpdate& dialog) {
        EXPECT_EQ(dialog.cboNumDays->Text(), "30");
        dialog.cboNumDays->SetText("7");
        dialog.btnUpdate->click();
        EXPECT_FALSE(dialog.isVisible()) << "a completed update closes the dialog";
    });
    EXPECT_EQ(shell.opened, Texts{Installer("pricing.exe")});
    EXPECT_EQ(Value(kUpdateKey, "NextUpdate"), "12/27/2026");
    EXPECT_EQ(Value(kUpdateKey, "Interval"), "7");
    EXPECT_EQ(quill::ReadPricingDate(programFolder, {2000, 1, 1}), (quill::Date{2026, 12, 20}));
}

// Yes to the reminder at start-up and a completed update: its day is
// recorded as for an update started from the menu.
TEST_F(UpdateCommand, AnUpdateAcceptedFromTheReminderRecordsItsDayToo) {
    server.Serve("/updates/pricing.exe", {200, "pricing"});
    registry.WriteString(kUpdateKey, "NextUpdate", "12/07/2026");
    messages.ScriptReply(quill::Messages::Answer::Yes);
    clock.SetToday({2026, 12, 20});
    ASSERT_TRUE(Create());
    bool shown = false;
    window->Online().QuickUpdate().onShown = [&](TfrmUpdate& dialog) {
        shown = true;
        dialog.btnUpdate->click();
    };
    window->show();  // the first showing runs the checks
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown; }));
    EXPECT_EQ(quill::ReadPricingDate(programFolder, {2000, 1, 1}), (quill::Date{2026, 12, 20}));
}

TEST_F(UpdateCommand, AFailedOrRefusedUpdateKeepsTheDialogOpenAndChangesNothing) {
    server.Serve("/updates/pricing.exe", {404, "gone"});
    Register("Alpha", "Alpha", "a.exe");
    Register("Beta", "Beta", "b.exe");
    Register("Gamma", "Gamma", "c.exe");
    Start();
    RunUpdate([&](TfrmUpdate& dialog) {
        dialog.btnUpdate->click();  // 404
        EXPECT_TRUE(dialog.isVisible());
        downloader.SetConnectionQuery([] { return false; });
        dialog.btnUpdate->click();
        EXPECT_TRUE(dialog.isVisible());
        downloader.SetConnectionQuery([] { return true; });
        Click(dialog.rgAction, 1);
        dialog.chkAll->click();
        EXPECT_EQ(dialog.SelectedProgramCount(), 3);
        messages.Answer(false);
        dialog.btnUpdate->click();  // three programs: asked first
        EXPECT_TRUE(dialog.isVisible());
        dialog.btnCancel->click();
    });
    EXPECT_EQ(
        messages.Boxes(),
        (Calls{{"error", "Unable to dowload Pricing Database: the server has no such file (404)."},
               {"error",
                "No Active Internet Connection Detected.\rPlease check your connection and "
                "try again."},
               {"confirm-warning",
                "Updating this many programs at once may take anywhere from several "
                "minutes \r\nto an hour depending on the speed of your Internet "
                "connection.  Are \r\nyou sure you want to continue?"},
               {"information", "Update Cancelled"}}));
    EXPECT_EQ(Value(kUpdateKey, "NextUpdate"), "01/01/2100") << "the schedule is untouched";
    EXPECT_FALSE(fs::exists(programFolder / "update.ini"));
    EXPECT_EQ(server.requested, QStringList{"/updates/pricing.exe"});
}

TEST_F(UpdateCommand, AnUpdatesFolderThatCannotBeMadeIsNamed) {
    fs::remove_all(Updates());
    std::ofstream(Updates()) << "a file where the folder should be";
    Start();
    RunUpdate([&](TfrmUpdate& dialog) {
        dialog.btnUpdate->click();
        EXPECT_TRUE(dialog.isVisible());
        dialog.btnCancel->click();
    });
    ASSERT_EQ(messages.Boxes().size(), 1u);
    EXPECT_EQ(messages.Boxes()[0].kind, "error");
    EXPECT_NE(messages.Boxes()[0].text.find(quill::Utf8Of(Updates())), std::string::npos);
    EXPECT_EQ(server.requested, QStringList{});
}

TEST_F(UpdateCommand, EveryUpdateButtonRunsTheCommand) {
    Start();
    int runs = 0;
    window->Online().QuickUpdate().onShown = [&](TfrmUpdate& dialog) {
        ++runs;
        dialog.btnCancel->click();
    };
    ToFinal();
    ui().btnUpdate2->click();
    StartOver();
    ToPartsList();
    ui().btnUpdate1->click();
    AddToOrder();
    ASSERT_TRUE(window->findChild<QPushButton*>("BitBtn2")->isEnabled());
    window->findChild<QPushButton*>("BitBtn2")->click();
    EXPECT_EQ(runs, 3);
    EXPECT_FALSE(fs::exists(programFolder / "update.ini")) << "a cancelled update records nothing";
}

// ------------------------------------------------------------ news

class NewsPages : public OnlineFixture {
  protected:
    // Shows the news; the dialog, once shown, gets the test's hands.
    bool ShowNews(std::function<void(TfrmNews&)> hands) {
        window->Online().News().onShown = [&](TfrmNews& dialog) {
            hands(dialog);
            dialog.close();
        };
        return window->Online().News().Execute();
    }
    static QPoint LineCentre(const QPlainTextEdit* memo, int line) {
        QTextCursor cursor(memo->document()->findBlockByNumber(line));
        return memo->cursorRect(cursor).center();
    }
    static void ClickAt(QPlainTextEdit* memo, const QPoint& point) {
        QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, point);
    }
};

TEST_F(NewsPages, TheSpotlightAndNineHeadlinesOpenTheirStories) {
    ServeNews(20);
    Start();
    const std::string releases = S(server.Address("/whatsnew/pressreleases/"));
    EXPECT_TRUE(ShowNews([&](TfrmNews& dialog) {
        EXPECT_EQ(S(dialog.memSpotlight->toPlainText()), "New elliptical waveguide line");
        const QStringList lines = dialog.memNews->toPlainText().split('\n');
        ASSERT_EQ(lines.size(), 9);
        EXPECT_EQ(S(lines[0]), "Release number 1");
        EXPECT_EQ(S(lines[8]), "Release number 9");
        ClickAt(dialog.memNews, LineCentre(dialog.memNews, 2));
        ClickAt(dialog.memSpotlight, dialog.memSpotlight->viewport()->rect().center());
        // Below the last line there is no headline.
        ClickAt(dialog.memNews, QPoint(10, dialog.memNews->viewport()->height() - 3));
    }));
    EXPECT_EQ(shell.opened, (Texts{releases + "viewpressrelease.asp?id=3&langid=1",
                                   S(server.Address("/products/feeder.asp"))}));
    EXPECT_EQ(Value(kNewsKey, "NextUpdate"), "12/14/2026") << "closing saves the schedule";
    EXPECT_EQ(Value(kNewsKey, "Interval"), "7");
}

TEST_F(NewsPages, AScriptOrLocalLinkOnAPageIsNeverOpened) {
    for (const char* link : {"javascript:alert(1)", "file:///etc/passwd"}) {
        ServeNews(1, link);
        if (!window) Start();
        shell.opened.clear();
        ShowNews([&](TfrmNews& dialog) {
            ClickAt(dialog.memSpotlight, dialog.memSpotlight->viewport()->rect().center());
        });
        EXPECT_EQ(shell.opened, Texts{}) << link;
    }
}

// The news the user asked for says once what failed, where and why; the fetch
// ends at the first failure. A page over 4 MB is refused and removed. The
// scheduled news stays quiet.
TEST_F(NewsPages, AFailedFetchSaysWhyOnceAndShowsNothing) {
    ServeNews(3);
    server.Serve("/home/default.asp", {500, "down"});
    Start();
    bool shown = false;
    EXPECT_FALSE(ShowNews([&](TfrmNews&) { shown = true; }));
    EXPECT_FALSE(shown);
    EXPECT_EQ(messages.Boxes(), (Calls{{"error", "The news could not be fetched from " +
                                                     S(server.Address("/home/default.asp")) +
                                                     ": the server answered 500."}}));
    EXPECT_EQ(Value(kNewsKey, "NextUpdate"), "01/01/2100");

    // The user's own Cancel in the progress window needs no message.
    messages.Reset();
    server.trickleMilliseconds = 50;
    server.Serve("/home/default.asp",
                 {200, QByteArray(400000, 'h'), LoopbackHttpServer::Behaviour::Trickle});
    QTimer::singleShot(300, [] {
        auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(progress, nullptr);
        progress->findChild<QPushButton*>()->click();
    });
    EXPECT_FALSE(window->Online().News().Execute());
    EXPECT_EQ(messages.Boxes(), Calls{});

    server.requested.clear();
    messages.Reset();
    server.Serve("/whatsnew/pressreleases/default.asp", {200, QByteArray(5 << 20, 'n')});
    EXPECT_FALSE(window->Online().News().Execute());
    EXPECT_EQ(server.requested, QStringList{"/whatsnew/pressreleases/default.asp"})
        << "the fetch ends at the first failure";
    ASSERT_EQ(messages.Boxes().size(), 1u);
    EXPECT_NE(messages.Boxes()[0].text.find(": the page is larger than 4 MB."), std::string::npos)
        << messages.Boxes()[0].text;
    EXPECT_FALSE(fs::exists(sharedFolder / "news" / "rawnews.dat"));

    messages.Reset();
    EXPECT_FALSE(window->Online().News().Execute(false));  // as the schedule runs it
    EXPECT_EQ(messages.Boxes(), Calls{});
}

TEST_F(NewsPages, UncheckingDisplayAgainStopsThePrompt) {
    ServeNews(2);
    Start();
    ShowNews([&](TfrmNews& dialog) {
        dialog.chkDisplayAgain->click();
        EXPECT_FALSE(dialog.cboNumDays->isEnabled());
    });
    EXPECT_EQ(Value(kNewsKey, "NextUpdate"), "0");
}

}  // namespace
}  // namespace wizard
