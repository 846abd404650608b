// Starting the program: the registry, the required files, the loads and the
// selection the window opens with.

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <ctime>

#include "WizardFixture.h"
#include "app/Startup.h"
#include "app/TfrmSplash.h"
#include "platform/PathText.h"

namespace wizard {
namespace {

using Call = quill::fakes::FakeMessages::Call;

class StartupTest : public WizardFixture {};

const Texts kBeginnings = {"1", "30", "800", "1700", "3400", "5925", "7125"};
const Texts kEndings = {"2000", "2200", "2300", "2500", "2700", "3300",  "3600",  "4200", "5000",
                        "5200", "6000", "7125", "8500", "8800", "10000", "10200", "13400"};

// ------------------------------------------------------------- the defaults

TEST_F(StartupTest, OpensOnPageOneWithTheDefaultSelection) {
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_TRUE(messages.calls.empty()) << ::testing::PrintToString(messages.calls);
    EXPECT_EQ(S(window->windowTitle()), "Untitled[*] - Quillroute\u2122");

    EXPECT_EQ(Page(), 0);
    EXPECT_EQ(ui().PageControl1->ActivePage(), ui().Page1);
    EXPECT_EQ(ui().rgApp->ItemIndex(), 0);
    EXPECT_EQ(S(ui().rgApp->Button(0)->text()), "Jumper");

    EXPECT_EQ(Items(ui().cboLength), Range(1, 50));
    EXPECT_EQ(Text(ui().cboLength), "6");
    EXPECT_EQ(ui().cboLength->ItemIndex(), 5);
    EXPECT_TRUE(ui().rbFeet->isChecked());
    EXPECT_FALSE(ui().rbMeters->isChecked());

    EXPECT_EQ(Text(ui().cboBeginning), "800");
    EXPECT_EQ(Text(ui().cboEnding), "2200");

    EXPECT_EQ(ui().rgCableType->ItemIndex(), 1);
    EXPECT_EQ(S(ui().rgCableType->Button(1)->text()), "Foam Coaxial");
    EXPECT_TRUE(ui().rgCableType->Button(0)->isEnabled());
    EXPECT_TRUE(ui().rgCableType->Button(1)->isEnabled());
    EXPECT_FALSE(ui().rgCableType->Button(2)->isEnabled()) << "Elliptical Waveguide";

    EXPECT_TRUE(ui().chkTopConnector->isChecked());
    EXPECT_TRUE(ui().chkBottomConnector->isChecked());
    EXPECT_FALSE(ui().gbxConnectors->isVisible());
    EXPECT_FALSE(ui().rgFeeder->isVisible());
    EXPECT_EQ(ui().rgFeeder->ItemIndex(), -1);

    EXPECT_TRUE(ui().imgTopJumper->isVisible());
    EXPECT_TRUE(ui().imgBottomJumper->isVisible());
    EXPECT_FALSE(ui().imgFeeder->isVisible());
    EXPECT_EQ(PictureFile(ui().imgTopJumper), "topjumper.gif");
    EXPECT_EQ(PictureFile(ui().imgBottomJumper), "bottomjumper.gif");
    EXPECT_EQ(PictureFile(ui().imgFeeder), "mainfeeder.gif");
    EXPECT_EQ(PictureFile(ui().imgVL), "vl.gif");

    EXPECT_FALSE(ui().btnBack->isEnabled());
    EXPECT_FALSE(ui().btnRestart->isEnabled());
    EXPECT_TRUE(ui().btnNext->isEnabled());
    EXPECT_FALSE(ui().StartOver1->isEnabled());
    EXPECT_EQ(S(ui().btnNext->text()), "Next ->");
}

TEST_F(StartupTest, RemembersTheDefaultCableAndConnectors) {
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(window->Session().PageTwo().Remembered().cableModelName, "RVX4-50K");
    EXPECT_EQ(window->Session().PageTwo().State().top.connectorName, "7-16 DIN Male");
    EXPECT_EQ(window->Session().PageTwo().State().bottom.connectorName, "7-16 DIN Male");
    EXPECT_EQ(window->Session().PageTwo().Remembered().cableGrade, 0);
    EXPECT_EQ(window->Session().PageTwo().Remembered().connectorGrade, 0);
    EXPECT_EQ(window->Session().PageTwo().Remembered().attachment, 0);
}

// --------------------------------------------------------- frequency lists

TEST_F(StartupTest, FrequencyListsHoldEachCableEndOnceInNumericOrder) {
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(Items(ui().cboBeginning), kBeginnings);
    EXPECT_EQ(Items(ui().cboEnding), kEndings);
    EXPECT_EQ(window->Session().Data().frequencies.begin, kBeginnings);
    EXPECT_EQ(window->Session().Data().frequencies.end, kEndings);
}

TEST_F(StartupTest, FrequenciesSortByValueNotByText) {
    WriteCatalogue({
        "[A]",
        "TLine=900|2500|A|A|FOAM|0.1|0.001|1/2|S||Y|Y|Y|1|10|",
        "",
        "[B]",
        "TLine=80|10000|B|B|FOAM|0.1|0.001|1/2|S||Y|Y|Y|1|10|",
        "",
        "[C]",
        "TLine=1800|2500|C|C|FOAM|0.1|0.001|1/2|S||Y|Y|Y|1|10|",
        "",
        "[D]",
        "TLine=900|1.5|D|D|FOAM|0.1|0.001|1/2|S||Y|Y|Y|1|10|",
        "",
    });
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(Items(ui().cboBeginning), (Texts{"80", "900", "1800"}));
    EXPECT_EQ(Items(ui().cboEnding), (Texts{"1.5", "2500", "10000"}));
    // Neither 800 nor 2200 is an end of any cable: nothing is selected.
    EXPECT_EQ(ui().cboBeginning->ItemIndex(), -1);
    EXPECT_EQ(Text(ui().cboBeginning), "");
    EXPECT_EQ(ui().cboEnding->ItemIndex(), -1);
    EXPECT_EQ(Text(ui().cboEnding), "");
}

TEST_F(StartupTest, EmptyFrequencyBoxesAreNoErrorUntilNextAsksForThem) {
    WriteCatalogue({"[A]", "TLine=900|2500|A|A|FOAM|0.1|0.001|1/2|S||Y|Y|Y|1|10|",
                    "C1=1|P|N Male||N Female||P|S|"});
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_EQ(Text(ui().cboBeginning), "");
    ASSERT_EQ(Text(ui().cboEnding), "");
    Type(ui().cboBeginning, "900");
    Focus(ui().cboLength);
    Focus(ui().cboBeginning);
    Focus(ui().cboLength);
    EXPECT_TRUE(messages.calls.empty()) << ::testing::PrintToString(messages.calls);
    // Leaving the beginning offered the endings above it.
    EXPECT_EQ(Text(ui().cboEnding), "2500");
    Erase(ui().cboEnding);
    Focus(ui().cboLength);
    EXPECT_TRUE(messages.calls.empty()) << ::testing::PrintToString(messages.calls);
    Click(ui().btnNext);
    EXPECT_EQ(messages.calls, (Calls{{"beep", ""}, {"warning", kNotNumeric}}));
    EXPECT_TRUE(ui().cboEnding->hasFocus());
    EXPECT_EQ(Page(), 0);
}

// A catalogue that gives no cable at all says so and names itself, however
// it came to be so.
class StartupWithoutCables : public WizardFixture,
                             public ::testing::WithParamInterface<std::string> {};

TEST_P(StartupWithoutCables, SaysTheCatalogueHoldsNoCable) {
    temp.Write("program/dat/tlineconnectors.dat", GetParam());
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_TRUE(Items(ui().cboBeginning).empty());
    ASSERT_EQ(messages.Boxes().size(), 1u) << ::testing::PrintToString(messages.calls);
    EXPECT_EQ(messages.Boxes()[0].kind, "error");
    EXPECT_NE(messages.Boxes()[0].text.find(quill::Utf8Of(ProgramFile("dat/tlineconnectors.dat"))),
              std::string::npos)
        << messages.Boxes()[0].text;
    EXPECT_NE(messages.Boxes()[0].text.find("holds no cable"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(BrokenCatalogues, StartupWithoutCables,
                         ::testing::Values(std::string(), std::string("[HEADER]\r\nTitle=x\r\n"),
                                           std::string("\x8f\x01garbage\xff\x00\x7f", 12)));

TEST_F(StartupTest, ACatalogueWithLfLineEndsLoadsAsOneWithCrLf) {
    temp.Write("program/dat/tlineconnectors.dat",
               "[HEADER]\nTitle=x\n\n[A]\nTLine=900|2500|A|A|FOAM|0.1|0.001|1/2|S||Y|Y|Y|1|10|\n"
               "C1=1|P|N Male||N Female||P|S|\n");
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_TRUE(messages.Boxes().empty()) << ::testing::PrintToString(messages.calls);
    EXPECT_EQ(Items(ui().cboBeginning), (Texts{"900"}));
    EXPECT_EQ(window->Session().Data().catalogue.at(0)->ConnectorCount(), 1);
}

// ---------------------------------------------------------- exchange rates

TEST_F(StartupTest, ExchangeRatesShowTheCurrencyMenuDisabledOnPageOne) {
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(S(ui().CurrencySettings1->title()), "Currenc&y Settings");
    EXPECT_TRUE(ui().CurrencySettings1->menuAction()->isVisible());
    EXPECT_FALSE(ui().CurrencySettings1->menuAction()->isEnabled());
}

TEST_F(StartupTest, WithoutExchangeRatesTheCurrencyMenuIsHidden) {
    fs::remove(ProgramFile("xcngrate.dat"));
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_TRUE(messages.calls.empty()) << ::testing::PrintToString(messages.calls);
    EXPECT_FALSE(ui().CurrencySettings1->menuAction()->isVisible());
    EXPECT_FALSE(window->Session().Data().hasExchangeRates);
    EXPECT_EQ(window->Session().Data().exchangeRateDate, "");
}

TEST_F(StartupTest, ForeignCurrencyNoticesEndWithTheDateOfTheRates) {
    QFile rates(QString::fromStdString(ProgramFile("xcngrate.dat").string()));
    ASSERT_TRUE(rates.open(QIODevice::ReadWrite));
    ASSERT_TRUE(rates.setFileTime(QDateTime(QDate(2003, 7, 4), QTime(12, 0)),
                                  QFileDevice::FileModificationTime));
    rates.close();

    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(window->Session().Data().exchangeRateDate, "07/04/2003");
    for (const char* name : {"lblforeign1", "lblforeign2"}) {
        const auto* label = window->findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_TRUE(S(label->text()).ends_with("as of: 07/04/2003."))
            << name << ": " << S(label->text());
    }
}

// ------------------------------------------------ registry and required files

TEST_F(StartupTest, MissingRegistryKeyGivesBothRegistryMessagesThenEnds) {
    registry.DeleteValue(kCommonFilesKey, "Path");
    EXPECT_FALSE(Create());
    EXPECT_EQ(messages.calls, (Calls{{"error", "Unable to locate Registry Key"},
                                     {"error", "Unable to create path from Registry"},
                                     {"beep", ""},
                                     {"error", kNoSharedFolder}}));
}

TEST_F(StartupTest, MissingPathValueGivesOnlyTheSecondRegistryMessage) {
    registry.WriteString(kCommonFilesKey, "Version", "2");
    registry.DeleteValue(kCommonFilesKey, "Path");
    EXPECT_FALSE(Create());
    EXPECT_EQ(messages.calls, (Calls{{"error", "Unable to create path from Registry"},
                                     {"beep", ""},
                                     {"error", kNoSharedFolder}}));
}

TEST_F(StartupTest, SharedFolderComesFromTheRegistry) {
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(window->Session().Data().sharedFolder, sharedFolder);
    EXPECT_FALSE(window->Session().Data().priceList.Lines().empty());
}

class StartupMissingFileTest : public WizardFixture,
                               public ::testing::WithParamInterface<const char*> {};

TEST_P(StartupMissingFileTest, BeepsSaysWhichFileIsMissingAndDoesNotRun) {
    ASSERT_TRUE(fs::remove(temp / GetParam()));
    EXPECT_FALSE(Create());
    const std::string named = GetParam() == std::string("shared/M_lom.dat")
                                  ? (sharedFolder / "M_lom.dat").string()
                                  : fs::path(temp / GetParam()).make_preferred().string();
    EXPECT_EQ(messages.calls,
              (Calls{{"beep", ""}, {"error", std::string(kMissingFiles) + "\r" + named}}));
}

INSTANTIATE_TEST_SUITE_P(EachRequiredFile, StartupMissingFileTest,
                         ::testing::Values("shared/M_lom.dat", "program/dat/tlineconnectors.dat",
                                           "program/dat/images.dat", "program/dat/jumpers.dat"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name;
                             for (const char c : std::string(info.param))
                                 if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                             return name;
                         });

TEST_F(StartupTest, DataFileNamesMatchWithoutRegardToCase) {
    fs::rename(sharedFolder / "M_lom.dat", sharedFolder / "m_LOM.DAT");
    fs::rename(ProgramFile("dat/tlineconnectors.dat"), ProgramFile("dat/TLineConnectors.DAT"));
    fs::rename(ProgramFile("dat/images.dat"), ProgramFile("dat/Images.Dat"));
    fs::rename(ProgramFile("dat/jumpers.dat"), ProgramFile("dat/JUMPERS.dat"));
    fs::rename(ProgramFile("xcngrate.dat"), ProgramFile("XcngRate.DAT"));
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_TRUE(messages.calls.empty()) << ::testing::PrintToString(messages.calls);
    EXPECT_EQ(Items(ui().cboBeginning), kBeginnings);
    EXPECT_FALSE(window->Session().Data().priceList.Lines().empty());
    EXPECT_FALSE(window->Session().Data().imageLines.empty());
    EXPECT_TRUE(ui().CurrencySettings1->menuAction()->isVisible());
}

TEST_F(StartupTest, MissingPageOnePicturesAreNoError) {
    for (const char* name : {"topjumper.gif", "bottomjumper.gif", "mainfeeder.gif", "vl.gif"})
        fs::remove(ProgramFile(std::string("images/") + name));
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_TRUE(messages.calls.empty()) << ::testing::PrintToString(messages.calls);
    EXPECT_FALSE(ui().imgTopJumper->HasPicture());
    EXPECT_FALSE(ui().imgVL->HasPicture());
}

TEST_F(StartupTest, MalformedCatalogueRecordIsReportedAndTheWindowStillOpens) {
    WriteCatalogue({
        "[GOOD]",
        "TLine=30|2500|GOOD|GOOD-1|FOAM|0.1|0.001|1/2|S||Y|Y|Y|1|10|",
        "C1=1|P1|N Male||N Female||P|S|",
        "",
        "[BROKEN]",
        "TLine=abc|2500|BAD|BAD-1|FOAM|0.1|0.001|1/2|S||Y|Y|Y|1|10|",
        "",
    });
    ASSERT_NO_FATAL_FAILURE(Start());
    const Calls boxes = messages.Boxes();
    ASSERT_EQ(boxes.size(), 1u) << ::testing::PrintToString(messages.calls);
    EXPECT_EQ(boxes[0].kind, "error");
    EXPECT_NE(boxes[0].text.find("tlineconnectors.dat"), std::string::npos) << boxes[0].text;
    EXPECT_NE(boxes[0].text.find("BROKEN"), std::string::npos) << boxes[0].text;
    EXPECT_NE(boxes[0].text.find("'abc' is not a valid floating point value"), std::string::npos)
        << boxes[0].text;
    EXPECT_TRUE(window->isVisible());
    // The cable read before the bad record is there to choose.
    EXPECT_EQ(Items(ui().cboBeginning), (Texts{"30"}));
}

// ------------------------------------------------------------ the program run

TEST_F(StartupTest, RunWithAMissingFileEndsWithStatusZeroWithoutShowingAWindow) {
    fs::remove(ProgramFile("dat/jumpers.dat"));
    MakeServices(QStringList{"a", "b", "c"});
    WindowWatcher watcher;
    EXPECT_EQ(RunQuillroute(*services, 10), 0);
    EXPECT_TRUE(watcher.shown.empty()) << ::testing::PrintToString(watcher.shown);
    EXPECT_EQ(
        messages.calls,
        (Calls{{"beep", ""},
               {"error", std::string(kMissingFiles) + "\r" +
                             quill::Utf8Of(ProgramFile("dat/jumpers.dat").make_preferred())}}));
}

TEST_F(StartupTest, RunWithMoreThanTwoParametersShowsNoSplash) {
    MakeServices(QStringList{"open", "x.qrf", "extra"});
    WindowWatcher watcher;
    EXPECT_EQ(RunQuillroute(*services, 10), 0);
    EXPECT_EQ(watcher.shown, (std::vector<std::string>{"TfrmMain"}));
    EXPECT_EQ(S(QGuiApplication::applicationDisplayName()), "Orlenk Quillroute");
}

TEST_F(StartupTest, RunWithTwoParametersShowsTheSplashFirst) {
    MakeServices(QStringList{"one", "two"});
    WindowWatcher watcher;
    EXPECT_EQ(RunQuillroute(*services, 20), 0);
    EXPECT_EQ(watcher.shown, (std::vector<std::string>{"TfrmSplash", "TfrmMain"}));
}

TEST_F(StartupTest, RunWithoutParametersShowsTheSplashFirst) {
    MakeServices(QStringList{});
    WindowWatcher watcher;
    EXPECT_EQ(RunQuillroute(*services, 20), 0);
    EXPECT_EQ(watcher.shown, (std::vector<std::string>{"TfrmSplash", "TfrmMain"}));
}

// The splash waits for its timer without keeping a core busy: over its wait
// the process uses a small part of the time the wait takes, and it closes
// only when the timer has fired.
TEST(Splash, WaitsForItsTimerWithoutSpinning) {
    TfrmSplash splash(fs::path(QUILLROUTE_SAMPLE_DATA) / "program", 400);
    QElapsedTimer wall;
    wall.start();
    const std::clock_t cpu = std::clock();
    splash.ShowUntilTimerFires();
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
    EXPECT_GE(wall.elapsed(), 360);  // a coarse timer may fire 5 % early
#ifndef _WIN32                       // there std::clock counts the wall's time, not the processor's
    EXPECT_LT(cpuMs, 100) << "over a wait of " << wall.elapsed() << " ms";
#else
    static_cast<void>(cpuMs);
#endif
    EXPECT_TRUE(splash.CanClose());
    EXPECT_FALSE(splash.isVisible());
}

}  // namespace
}  // namespace wizard
