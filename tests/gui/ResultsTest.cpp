#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <fstream>

#include "../support/FakeClipboard.h"
#include "../support/FakeClock.h"
#include "../support/FakeFileDialogs.h"
#include "../support/FakeMessages.h"
#include "../support/FakePrinter.h"
#include "../support/FakeRegistry.h"
#include "../support/FakeShell.h"
#include "../support/Files.h"
#include "../support/TempDir.h"
#include "Ui.h"
#include "app/TfrmAbout.h"
#include "app/TfrmMain.h"
#include "app/TfrmSplash.h"
#include "controls/ComboBox.h"
#include "controls/Grid.h"
#include "controls/PageControl.h"
#include "controls/Picture.h"
#include "controls/RadioGroup.h"
#include "pages/BandPlotView.h"
#include "pages/TBandPlotDlg.h"
#include "platform/QtDownloader.h"

using namespace quill;
namespace fs = std::filesystem;

namespace {

// The main window on a copy of the bundled data, walked to a result page as
// a user would.
class ResultPages : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy(fs::path(QUILLROUTE_SAMPLE_DATA), dir.Path(), fs::copy_options::recursive);
        registry.WriteString("\\Software\\Orlenk\\Common Files", "Path", (dir / "shared").string());
        ASSERT_TRUE(DatePriceList(dir / "shared"));
    }

    TfrmMain& Start() {
        window = std::make_unique<TfrmMain>(services);
        EXPECT_TRUE(window->FormCreate());
        window->show();
        return *window;
    }

    void Pick(ComboBox* box, const QString& text) {
        const int index = box->IndexOf(text);
        ASSERT_GE(index, 0) << text.toStdString();
        box->SetItemIndex(index);
        box->onChange();
    }

    void Next() { ui().btnNext->click(); }

    // Page 1 as given, then Next, then page 2 as it comes, then Next.
    void ToResult(const QString& length = "10") {
        ui().cboLength->SetText(length);
        Next();
        ASSERT_EQ(ui().PageControl1->ActivePage(), ui().Page2);
        Next();
    }

    QString FinalCell(int row) const { return ui().grdFinal->Cell(1, row); }
    QAction* CurrencyItem(const char* name) const { return window->findChild<QAction*>(name); }

    void RewriteShared(const std::string& from, const std::string& to) {
        const auto file = dir / "shared" / "M_lom.dat";
        std::ifstream in(file, std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos);
        text.replace(at, from.size(), to);
        std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
    }

    TempDir dir;
    fakes::FakeRegistry registry;
    fakes::FakeShell shell;
    fakes::FakeMessages messages;
    fakes::FakeClock clock{Date{2026, 12, 7}};
    fakes::FakeFileDialogs fileDialogs;
    fakes::FakeClipboard clipboard;
    fakes::FakePrinter printer;
    QtDownloader downloader{{2000, 1}};
    Services services{registry,
                      shell,
                      messages,
                      clock,
                      dir.Path() / "program",
                      dir.Path() / "program",
                      {},
                      fileDialogs,
                      clipboard,
                      printer,
                      downloader};
    std::unique_ptr<TfrmMain> window;
    mutable wizard::UiOf uiOf_;
    wizard::Ui& ui() const { return uiOf_(window.get()); }
};

}  // namespace

TEST_F(ResultPages, TypicalRequestEndsOnAListedStandardJumper) {
    Start();
    ToResult("10");
    ASSERT_EQ(ui().PageControl1->ActivePage(), ui().tsFinal);
    EXPECT_EQ(FinalCell(0), "J4V-DMDM-10");
    EXPECT_TRUE(FinalCell(1).startsWith("10 foot cable assembly, RVX4-50K, (1/2 in.)\r"));
    EXPECT_EQ(ui().grdFinal->Cell(0, 2), "Price (USD):");
    EXPECT_EQ(FinalCell(2), "156.73");
    EXPECT_EQ(FinalCell(3), "2.78 dB");
    EXPECT_EQ(FinalCell(8), ui().grdFinal->Cell(1, 8));
    EXPECT_EQ(ui().btnNext->text(), "Add to Order");
    EXPECT_TRUE(ui().btnBack->isEnabled());
    EXPECT_TRUE(ui().Export1->isEnabled());
    EXPECT_TRUE(ui().CurrencySettings1->isEnabled());
    ASSERT_EQ(window->Session().Result()->itemLines.size(), 1u);
    EXPECT_EQ(window->Session().Result()->itemLines[0].Format().substr(0, 19),
              "1|Each|J4V-DMDM-10|");
    EXPECT_TRUE(window->Session().Result()->itemLines[0].Format().ends_with("|156.73|1|"));
    EXPECT_TRUE(messages.Boxes().empty());
    // No update recorded (a fresh install): the price list's own day, not today.
    EXPECT_EQ(ui().lblUpdate2->text(), "Your pricing database was last updated on: 01/02/2026");
    EXPECT_FALSE(ui().lblPriceNotice2->isVisibleTo(ui().tsFinal));

    ui().btnBack->click();
    EXPECT_EQ(ui().PageControl1->ActivePage(), ui().Page2);
}

TEST_F(ResultPages, CurrencyChangeReRendersThePriceAndTheNotices) {
    Start();
    ToResult("10");
    CurrencyItem("Euro1")->trigger();
    EXPECT_EQ(ui().grdFinal->Cell(0, 2), "Price (EUR):");
    EXPECT_EQ(FinalCell(2), "144.45");  // 156.73 / 1.085
    EXPECT_TRUE(ui().lblforeign2->isVisibleTo(ui().tsFinal));
    EXPECT_TRUE(ui().lblforeign2->text().endsWith(
        "as of: " + QString::fromStdString(window->Session().Data().exchangeRateDate) + "."));
    EXPECT_TRUE(window->Session().Result()->itemLines[0].Format().ends_with("|144.45|1|"));
    EXPECT_FALSE(CurrencyItem("US1")->isChecked());

    CurrencyItem("USDollarsUSD1")->trigger();
    EXPECT_TRUE(CurrencyItem("US1")->isChecked());
    EXPECT_FALSE(CurrencyItem("Euro1")->isChecked());
    EXPECT_EQ(FinalCell(2), "156.73");
    EXPECT_FALSE(ui().lblforeign2->isVisibleTo(ui().tsFinal));

    CurrencyItem("RenminbiRMD1")->trigger();
    EXPECT_EQ(ui().grdFinal->Cell(0, 2), "Price (RMB):");
}

TEST_F(ResultPages, NearLengthsAreOfferedAndATakenRowDescribesItsOwnLength) {
    Start();
    ui().cboLength->SetText("7");
    Next();
    ui().rbC2Actual->setChecked(true);
    Pick(ui().cboC2MatesTo, "N Male");
    Next();
    ASSERT_EQ(ui().PageControl1->ActivePage(), ui().tsNoLength);
    Grid* grid = ui().grdLengths;
    EXPECT_EQ(grid->RowTexts(0), (QStringList{"Your Selection:", "J4V-DMNM-7", "7", "2.13", "0"}));
    EXPECT_EQ(grid->RowTexts(1),
              (QStringList{"A little shorter:", "J4V-DMNM-6", "6", "1.83", "-1 Feet"}));
    EXPECT_EQ(grid->RowTexts(2),
              (QStringList{"A little longer:", "J4V-DMNM-10", "10", "3.05", "3 Feet"}));
    EXPECT_EQ(ui().rgStdLengths->ItemIndex(), 0);
    EXPECT_TRUE(ui().rgStdLengths->ItemEnabled(2));

    ui().rgStdLengths->Button(1)->click();
    Next();
    ASSERT_EQ(ui().PageControl1->ActivePage(), ui().tsFinal);
    EXPECT_EQ(FinalCell(0), "J4V-DMNM-6");
    EXPECT_EQ(FinalCell(2), "128.89");
    EXPECT_TRUE(FinalCell(1).startsWith("6 foot cable assembly"));
    EXPECT_EQ(ui().cboLength->Text(), "7");

    ui().btnBack->click();
    EXPECT_EQ(ui().PageControl1->ActivePage(), ui().Page2);
}

TEST_F(ResultPages, FeederListsItsComponents) {
    Start();
    ui().rgApp->Button(1)->click();
    ui().chkTopConnector->setChecked(false);
    ToResult("200");
    ASSERT_EQ(ui().PageControl1->ActivePage(), ui().tsNoPN);
    Grid* grid = ui().grdJumper;
    ASSERT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->Cell(0, 0), "200");
    EXPECT_EQ(grid->Cell(1, 0), "Feet");
    EXPECT_EQ(grid->Cell(2, 0), "RVX4-50K");
    EXPECT_EQ(grid->Cell(6, 0), "3");
    EXPECT_EQ(grid->Cell(0, 1), "1");
    EXPECT_EQ(grid->Cell(6, 1), "4");
    EXPECT_EQ(grid->Cell(0, 2), "1");
    EXPECT_EQ(grid->Cell(6, 2), "7");
    EXPECT_EQ(grid->Heading(4), "Price (USD)");
    EXPECT_EQ(grid->Heading(5), "Extended (USD)");
    EXPECT_EQ(ui().lblTotal->text(), "Total (USD):");
    EXPECT_EQ(ui().btnNext->text(), "Add To Order");
    EXPECT_EQ(window->Session().Result()->itemLines.size(), 3u);
    EXPECT_EQ(ui().lblPartsList->text(),
              "Below is a list of the part numbers that correspond to your specifications:");
    const QString dollars = ui().edTotal->text();

    CurrencyItem("Euro1")->trigger();
    EXPECT_EQ(grid->Heading(4), "Price (EUR)");
    EXPECT_EQ(grid->Heading(5), "Extended (EUR)");
    for (int column : {4, 5})  // the headings show whole
        EXPECT_GT(grid->columnWidth(column),
                  grid->horizontalHeader()->fontMetrics().horizontalAdvance(grid->Heading(column)));
    EXPECT_EQ(ui().lblTotal->text(), "Total (EUR):");
    EXPECT_NE(ui().edTotal->text(), dollars);
    EXPECT_TRUE(ui().lblforeign1->isVisibleTo(ui().tsNoPN));
}

TEST_F(ResultPages, MissingJumperPriceIsSaidNotHidden) {
    RewriteShared("C|JMPR|J4V-DMDM-10|", "C|JMPR|J4V-DMDM-10-GONE|");
    Start();
    ToResult("10");
    ASSERT_EQ(ui().PageControl1->ActivePage(), ui().tsFinal);
    EXPECT_EQ(FinalCell(2), "0.00");
    EXPECT_TRUE(ui().lblPriceNotice2->isVisibleTo(ui().tsFinal));
    EXPECT_TRUE(ui().lblPriceNotice2->text().contains("J4V-DMDM-10"));
}

TEST_F(ResultPages, StaleNoticeTurnsRedAndStaysRed) {
    dir.Write("program/update.ini", "[UPDATE]\r\nlast=11/01/2026\r\n");
    Start();
    ToResult("10");
    EXPECT_EQ(ui().lblUpdate2->text(), "Your pricing database was last updated on: 11/01/2026");
    EXPECT_TRUE(ui().lblUpdate2->styleSheet().contains("red"));
    dir.Write("program/update.ini", "[UPDATE]\r\nlast=12/06/2026\r\n");
    ui().btnBack->click();
    Next();
    EXPECT_EQ(ui().lblUpdate2->text(), "Your pricing database was last updated on: 12/06/2026");
    EXPECT_TRUE(ui().lblUpdate2->styleSheet().contains("red"));
}

TEST_F(ResultPages, UnusableRateDisablesItsCurrency) {
    dir.Write("program/xcngrate.dat", "EUR|0|\r\nGBP|abc|\r\nCHF|1.2|\r\n");
    Start();
    EXPECT_FALSE(CurrencyItem("Euro1")->isEnabled());
    EXPECT_FALSE(CurrencyItem("GBP1")->isEnabled());
    EXPECT_TRUE(CurrencyItem("Euro1")->statusTip().contains("EUR"));
    EXPECT_TRUE(CurrencyItem("CHF1")->isEnabled());
    EXPECT_TRUE(CurrencyItem("Yen1")->isEnabled());  // absent codes convert at 1.0
    // The menu says so at its top, without hovering over an item.
    ASSERT_NE(ui().CurrencyNotice1, nullptr);
    EXPECT_EQ(ui().CurrencySettings1->actions().value(0), ui().CurrencyNotice1);
    EXPECT_EQ(ui().CurrencyNotice1->text(),
              "Not available (no usable rate in xcngrate.dat): EUR, GBP");
    ToResult("10");
    CurrencyItem("Yen1")->trigger();
    EXPECT_EQ(FinalCell(2), "156.73");
}

TEST_F(ResultPages, WaveguideBandBelowCutOffStaysOnPageTwo) {
    dir.Write("program/dat/tlineconnectors.dat",
              "[H]\r\n[EW]\r\nTLine=1000|3000|EWX|EWX|EW|2500|1500|0|S|||Y||10|5|\r\n"
              "C1=7|FLANGE|CPR Flange||CPR Flange||P|R|\r\n");
    Start();
    ui().rgApp->Button(1)->click();
    ui().rgCableType->Button(2)->click();
    ui().cboBeginning->SetItems({"1000"});
    ui().cboBeginning->SetItemIndex(0);
    ui().cboEnding->SetItems({"2000"});
    ui().cboEnding->SetItemIndex(0);
    Next();
    ASSERT_EQ(ui().PageControl1->ActivePage(), ui().Page2);
    messages.Reset();
    Next();
    EXPECT_EQ(ui().PageControl1->ActivePage(), ui().Page2);
    ASSERT_EQ(messages.Count("error"), 1);
    EXPECT_NE(messages.Boxes()[0].text.find("cut-off frequency of 2500 MHz"), std::string::npos);
}

namespace {

// Where the pointer must be for the curve's point at that frequency.
QPoint PointerAt(TBandPlotDlg& dialog, double mhz, double attenuation) {
    const BandPlotLayout& layout = dialog.chvBand->Layout();
    return QPoint(layout.XOf(mhz), layout.YOfAttenuation(attenuation));
}

}  // namespace

TEST_F(ResultPages, TheBandPlotOfTheFinalPageShowsItsFiguresAndSavesAPicture) {
    Start();
    ToResult("10");
    ASSERT_EQ(ui().PageControl1->ActivePage(), ui().tsFinal);
    const auto png = dir / "plot";
    fileDialogs.Choose(png);
    bool shown = false;
    window->findChild<TBandPlotDlg*>()->onShown = [&](TBandPlotDlg& dialog) {
        shown = true;
        const BandPlot& plot = dialog.Plot();
        // The marker carries the page's own figures.
        EXPECT_EQ(FormatMoney(plot.marker.attenuation) + " dB", FinalCell(3).toStdString());
        EXPECT_EQ(FormatMoney(plot.marker.efficiency) + "%", FinalCell(7).toStdString());
        EXPECT_EQ(plot.points.size(), 200u);
        EXPECT_DOUBLE_EQ(plot.points.front().mhz, 800);
        EXPECT_TRUE(dialog.lblPointer->text().startsWith("1500.0 MHz:"));
        const int width = dialog.width();

        // The values under the pointer, rounded as the axes show them.
        const BandPoint* near = NearestPoint(plot, 2000);
        (void)dialog.chvBand->grab();  // drawn once, as the user sees it before pointing
        QTest::mouseMove(dialog.chvBand, PointerAt(dialog, near->mhz, near->attenuation));
        EXPECT_EQ(dialog.lblPointer->text().toStdString(), PointReadout(*near));

        dialog.chkWholeRange->setChecked(true);  // the cable's own range: 1 to 8800 MHz here
        EXPECT_LT(dialog.Plot().firstMHz, 800);
        EXPECT_GT(dialog.Plot().lastMHz, 2200);
        QApplication::processEvents();
        EXPECT_EQ(dialog.width(), width) << "the dialog keeps its size";

        dialog.btnSavePng->click();
        dialog.btnClose->click();
    };
    ui().btnBandPlot2->click();
    EXPECT_TRUE(shown);
    ASSERT_EQ(fileDialogs.calls.size(), 1u);
    EXPECT_EQ(fileDialogs.calls[0].request.suggestedName, "RVX4-50K 10 ft band plot");
    EXPECT_EQ(fileDialogs.calls[0].request.initialFolder, dir / "program");  // written files
    QImage picture;
    ASSERT_TRUE(picture.load(QString::fromStdString((dir / "plot.png").string()), "PNG"));
    EXPECT_GE(picture.width(), 600);
    EXPECT_TRUE(messages.Boxes().empty());
}

TEST_F(ResultPages, TheBandPlotOfThePartsListUsesItsLengthAndAWaveguideStopsAboveCutOff) {
    Start();
    ui().rgApp->Button(1)->click();
    ui().chkTopConnector->setChecked(false);
    ToResult("200");
    ASSERT_EQ(ui().PageControl1->ActivePage(), ui().tsNoPN);
    window->findChild<TBandPlotDlg*>()->onShown = [&](TBandPlotDlg& dialog) {
        EXPECT_EQ(FormatMoney(dialog.Plot().marker.efficiency) + "%",
                  ui().grdJumperspecs->Cell(1, 4).toStdString());
        dialog.btnClose->click();
    };
    ui().btnBandPlot1->click();

    TTransmissionLine waveguide;
    waveguide.cableType = "EW";
    waveguide.partNumber = "EWQ20";
    waveguide.k1 = 1300;
    waveguide.k2 = 889;
    waveguide.lowFrequency = 1000;
    waveguide.highFrequency = 2300;
    Selection band;
    band.beginText = "1700";
    band.endText = "2100";
    TBandPlotDlg dialog(services, window.get());
    dialog.onShown = [&](TBandPlotDlg& shown) {
        shown.chkWholeRange->setChecked(true);
        const std::vector<BandPoint>& curve = shown.Plot().points;
        ASSERT_GT(curve.size(), 100u);
        for (const BandPoint& point : curve) EXPECT_GT(point.mhz, 1300);
        EXPECT_GT(curve.front().attenuation, curve.back().attenuation);  // rising toward cut-off
        EXPECT_NE(shown.chvBand->Title().find("cut-off 1300 MHz"), std::string::npos);
        shown.btnClose->click();
    };
    dialog.Execute(band, waveguide);
    band.beginText = "1000";  // a band the pages refuse is refused here
    band.endText = "1200";
    messages.Reset();
    dialog.onShown = [](TBandPlotDlg& shown) { shown.btnClose->click(); };
    dialog.Execute(band, waveguide);
    EXPECT_EQ(messages.Count("error"), 1);
}

// Not a check: with QUILLROUTE_SCREENSHOTS set to a folder, saves a picture of
// each page, to be looked at by a person.
TEST_F(ResultPages, Screenshots) {
    const QString folder = qEnvironmentVariable("QUILLROUTE_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "QUILLROUTE_SCREENSHOTS not set";
    Start();
    const auto shoot = [&](const char* name) {
        QApplication::processEvents();
        window->grab().save(folder + "/" + name + ".png");
    };
    shoot("page1-jumper");
    ui().rgApp->Button(1)->click();
    shoot("page1-feeder");
    ui().rgApp->Button(0)->click();
    ui().cboLength->SetText("10");
    Next();
    shoot("page2");
    Next();
    shoot("final-usd");
    CurrencyItem("Euro1")->trigger();
    shoot("final-eur");
    CurrencyItem("US1")->trigger();
    ui().btnBack->click();
    ui().btnRestart->click();
    ui().cboLength->SetText("7");
    Next();
    ui().rbC2Actual->setChecked(true);
    Pick(ui().cboC2MatesTo, "N Male");
    Next();
    shoot("lengths");
    ui().btnRestart->click();
    ui().rgApp->Button(1)->click();
    ui().chkTopConnector->setChecked(false);
    ToResult("200");
    shoot("parts-usd");
    CurrencyItem("Euro1")->trigger();
    shoot("parts-eur");

    TfrmAbout about(services.programFolder, window.get());
    about.show();
    QApplication::processEvents();
    about.grab().save(folder + "/about.png");
    TfrmSplash splash(services.programFolder, 10);
    splash.show();
    QApplication::processEvents();
    splash.grab().save(folder + "/splash.png");

    const auto plot = [&](const char* name, bool whole) {
        window->findChild<TBandPlotDlg*>()->onShown = [&, name, whole](TBandPlotDlg& dialog) {
            dialog.chkWholeRange->setChecked(whole);
            QApplication::processEvents();
            dialog.grab().save(folder + "/" + name + ".png");
            dialog.btnClose->click();
        };
        ui().btnBandPlot1->click();
    };
    plot("band-plot-coaxial", false);
    ui().btnRestart->click();
    ui().rgApp->Button(1)->click();
    ui().chkTopConnector->setChecked(false);
    ui().rgCableType->Button(2)->click();
    ui().cboBeginning->SetText("1700");
    ui().cboEnding->SetText("2100");
    ToResult("200");
    if (ui().PageControl1->ActivePage() == ui().tsNoPN) plot("band-plot-waveguide", true);
}
