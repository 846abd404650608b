// Page 2: the cable (grade and size) and the connector at each end.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "WizardFixture.h"
#include "pages/TCompareSizesDlg.h"

namespace wizard {
namespace {

using Call = quill::fakes::FakeMessages::Call;

const Texts kSixConnectors = {"4.3-10 Female", "4.3-10 Male", "7-16 DIN Female",
                              "7-16 DIN Male", "N Female",    "N Male"};

class PageTwoTest : public WizardFixture {
  protected:
    // Starts the program and walks to page 2 with what page 1 offers by default.
    void StartOnPageTwo() {
        ASSERT_NO_FATAL_FAILURE(Start());
        ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    }
    std::string CablePartNumber() const {
        return window->Session().PageTwo().CurrentCable()
                   ? window->Session().PageTwo().CurrentCable()->partNumber
                   : std::string();
    }
    bool GradeEnabled(int item) const { return ui().rgConnectorGrade->Button(item)->isEnabled(); }
    bool AttachmentEnabled(int item) const {
        return ui().rgConnectorAttachment->Button(item)->isEnabled();
    }
    void ExpectNoBoxes() {
        EXPECT_TRUE(messages.Boxes().empty()) << ::testing::PrintToString(messages.calls);
    }
};

// -------------------------------------------------------- what the page shows

// Page 2's rules have their own tests without a window; these show that the
// page hands each click over and shows what the choices then are.
TEST_F(PageTwoTest, FirstVisitShowsTheChoicesInTheirControls) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    ExpectNoBoxes();
    EXPECT_EQ(ui().rgCableGrade->ItemIndex(), 0);
    EXPECT_EQ(S(ui().rgCableGrade->Button(0)->text()), "Standard Cable");
    EXPECT_EQ(Items(ui().cboTLineData),
              (Texts{"RVX1-50K", "RVX2-50K", "RVX4-50K", "RVX5-50K", "RVX6-50K", "RVX7-50K"}));
    EXPECT_EQ(Text(ui().cboTLineData), "RVX4-50K");
    EXPECT_TRUE(ui().edtTlineSize->isVisible());
    EXPECT_EQ(S(ui().edtTlineSize->text()), "1/2 in.");
    EXPECT_EQ(PictureFile(ui().imgCable), "RVX4-50K.gif");
    EXPECT_EQ(ui().rgConnectorAttachment->ItemIndex(), 0);
    EXPECT_EQ(S(ui().rgConnectorAttachment->Button(0)->text()), "Vellisk");
    EXPECT_EQ(ui().rgConnectorGrade->ItemIndex(), 0);
    EXPECT_FALSE(GradeEnabled(1)) << "Standard";
    EXPECT_TRUE(ui().imgVL->isVisible());
    for (quill::ComboBox* box : {ui().cboC1MatesTo, ui().cboC2MatesTo}) {
        EXPECT_EQ(Items(box), kSixConnectors);
        EXPECT_EQ(Text(box), "7-16 DIN Male");
    }
    EXPECT_EQ(Items(ui().cboC1Description), (Texts{"(none)", "RIGHT ANGLE"}));
    EXPECT_EQ(Text(ui().cboC2Inner), "(N/A)");
    EXPECT_EQ(S(ui().lblBottomDescription->text()), "7-16 DIN Male");
    EXPECT_EQ(PictureFile(ui().imgTop), "716dinmale_v.gif");
    EXPECT_TRUE(ui().rbC1Actual->isChecked());
}

TEST_F(PageTwoTest, EachClickIsHandedOverAndItsCascadeShown) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Click(ui().rgCableGrade, 1);
    EXPECT_EQ(Text(ui().cboTLineData), "RVX4P-50K");
    Pick(ui().cboTLineData, "RVX2P-50K");
    EXPECT_EQ(CablePartNumber(), "RVX2P-50K");
    EXPECT_EQ(S(ui().edtTlineSize->text()), "3/8 in.");
    EXPECT_EQ(PictureFile(ui().imgCable), "RVX2-50K.gif");
    Click(ui().rgCableGrade, 0);
    Pick(ui().cboTLineData, "RVX4-50K");
    Click(ui().rgConnectorAttachment, 1);
    EXPECT_TRUE(GradeEnabled(1));
    EXPECT_FALSE(ui().imgVL->isVisible());
    EXPECT_EQ(PictureFile(ui().imgTop), "716dinmale.gif");
    Click(ui().rgConnectorGrade, 1);
    EXPECT_EQ(Items(ui().cboC1Inner), (Texts{"Solder"}));
    Click(ui().rgConnectorGrade, 0);

    Pick(ui().cboC1MatesTo, "N Male");
    EXPECT_EQ(S(ui().lblTopDescription->text()), "N Male");
    EXPECT_EQ(PictureFile(ui().imgTop), "nmale.gif");
    Pick(ui().cboC1Description, "RIGHT ANGLE");
    EXPECT_EQ(PictureFile(ui().imgTop), "nmale_ra.gif");
    Pick(ui().cboC2Description, "Low PIM");
    EXPECT_EQ(Items(ui().cboC2Inner), (Texts{"(N/A)"}));
    Click(ui().rbC2MatesTo);
    EXPECT_TRUE(ui().rbC2MatesTo->isChecked());
    EXPECT_EQ(S(ui().lblBottomDescription->text()), "7-16 DIN Female");
    ExpectNoBoxes();
}

TEST_F(PageTwoTest, ThePickedInnerAttachmentNamesTheConnector) {
    WriteCatalogue({
        "[T1]",
        "TLine=1|10000|T1|T1|FOAM|0.06|0.0002|1/2|S||Y|Y|Y|1|10|",
        "C1=1|P1|N Male||N Female|Captivated|P|R|",
        "C3=3|P3|N Male Spring||N Female|Spring|P|R|",
        "",
    });
    ASSERT_NO_FATAL_FAILURE(Start());
    ui().cboBeginning->SetText("1");
    ui().cboEnding->SetText("10000");
    ui().btnNext->click();
    ASSERT_EQ(Page(), 1) << ::testing::PrintToString(messages.calls);
    Click(ui().rgConnectorAttachment, 1);
    Click(ui().rbC1MatesTo);
    Pick(ui().cboC1Inner, "Spring");
    EXPECT_EQ(S(ui().lblTopDescription->text()), "N Male Spring");
    ExpectNoBoxes();
}

// --------------------------------------------------------- ends left out

// A left-out end's controls cannot be used, whatever else changes; with no
// end at all neither can the attachment or the connector grade. An end
// included again can be used again.
TEST_F(PageTwoTest, ALeftOutEndsControlsAreDisabledUntilItIsIncludedAgain) {
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(ui().rgApp, 1);
    Click(ui().chkTopConnector);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    const std::initializer_list<QWidget*> topControls = {ui().cboC1MatesTo, ui().rbC1Actual,
                                                         ui().rbC1MatesTo, ui().cboC1Description,
                                                         ui().cboC1Inner};
    const auto expectTop = [&](bool enabled, const char* after) {
        for (QWidget* control : topControls)
            EXPECT_EQ(control->isEnabled(), enabled) << after << ": " << S(control->objectName());
    };
    expectTop(false, "arrival");
    EXPECT_EQ(Text(ui().cboC1MatesTo), "None");
    EXPECT_EQ(PictureFile(ui().imgTop), "noconnectors.gif");
    EXPECT_TRUE(ui().cboC2MatesTo->isEnabled());
    EXPECT_TRUE(ui().rgConnectorAttachment->isEnabled());
    Click(ui().rgCableGrade, 1);
    Click(ui().rgConnectorAttachment, 1);
    expectTop(false, "premium, regular");

    Back();
    Click(ui().chkBottomConnector);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    EXPECT_FALSE(ui().cboC2MatesTo->isEnabled());
    EXPECT_FALSE(ui().rgConnectorAttachment->isEnabled());
    EXPECT_FALSE(ui().rgConnectorGrade->isEnabled());

    Back();
    Click(ui().chkTopConnector);
    Click(ui().chkBottomConnector);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    expectTop(true, "included again");
    EXPECT_EQ(Text(ui().cboC1MatesTo), "7-16 DIN Male");
    EXPECT_EQ(PictureFile(ui().imgTop), "716dinmale.gif");
    ExpectNoBoxes();
}

// ------------------------------------------------------------- pictures

TEST_F(PageTwoTest, WaveguideShowsNoDiameter) {
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(ui().rgApp, 1);
    Click(ui().rgCableType, 2);
    Type(ui().cboBeginning, "1700");
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    EXPECT_EQ(CablePartNumber(), "EWQ20");
    EXPECT_FALSE(ui().edtTlineSize->isVisible());
    EXPECT_FALSE(ui().lblDiameter->isVisible());
    EXPECT_EQ(PictureFile(ui().imgCable), "EWQ20.gif");
    EXPECT_EQ(Text(ui().cboC1MatesTo), "CPR430F Flange");

    Back();
    Click(ui().rgCableType, 1);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    EXPECT_TRUE(ui().edtTlineSize->isVisible());
    EXPECT_TRUE(ui().lblDiameter->isVisible());
}

TEST_F(PageTwoTest, ConnectorWithoutAPictureLineShowsNoPictureAndNoError) {
    RemoveImageLine("7-16 DIN Male|||716dinmale.gif|");
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Pick(ui().cboC1MatesTo, "N Male");
    ASSERT_EQ(PictureFile(ui().imgTop), "nmale_v.gif");

    Click(ui().rgConnectorAttachment, 1);
    Pick(ui().cboC1MatesTo, "7-16 DIN Male");
    ExpectNoBoxes();
    EXPECT_NE(PictureFile(ui().imgTop), "nmale.gif") << "no picture of another connector";
    EXPECT_TRUE(PictureFile(ui().imgTop) == "" || PictureFile(ui().imgTop) == "noconnectors.gif")
        << PictureFile(ui().imgTop);
    EXPECT_EQ(S(ui().lblTopDescription->text()), "7-16 DIN Male");

    Pick(ui().cboC1Description, "RIGHT ANGLE");
    EXPECT_EQ(PictureFile(ui().imgTop), "716dinmale_ra.gif");

    Pick(ui().cboC1Description, "(none)");
    ExpectNoBoxes();
    EXPECT_NE(PictureFile(ui().imgTop), "716dinmale_ra.gif");
}

TEST_F(PageTwoTest, MissingCablePictureIsSilentAndTheConnectorsStillFill) {
    fs::remove(ProgramFile("images/RVX4-50K.gif"));
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    ExpectNoBoxes();
    EXPECT_EQ(CablePartNumber(), "RVX4-50K");
    EXPECT_FALSE(ui().imgCable->HasPicture());
    EXPECT_EQ(S(ui().edtTlineSize->text()), "1/2 in.");
    EXPECT_EQ(PictureFile(ui().imgTop), "716dinmale_v.gif");

    Pick(ui().cboTLineData, "RVX2-50K");
    ASSERT_EQ(PictureFile(ui().imgCable), "RVX2-50K.gif");
    Click(ui().rgConnectorAttachment, 1);
    Pick(ui().cboTLineData, "RVX4-50K");
    ExpectNoBoxes();
    EXPECT_FALSE(ui().imgCable->HasPicture()) << "no picture of another cable";
}

// --------------------------------------------------- remembered choices

TEST_F(PageTwoTest, ChoicesAreRememberedAcrossBackAndStartOver) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Click(ui().rgCableGrade, 1);
    Pick(ui().cboTLineData, "RVX2P-50K");
    Click(ui().rgConnectorAttachment, 1);
    Pick(ui().cboC2MatesTo, "4.3-10 Male");
    Pick(ui().cboC2Description, "RIGHT ANGLE");

    const auto expectRemembered = [&](const char* after) {
        EXPECT_EQ(ui().rgCableGrade->ItemIndex(), 1) << after;
        EXPECT_EQ(Text(ui().cboTLineData), "RVX2P-50K") << after;
        EXPECT_EQ(ui().rgConnectorAttachment->ItemIndex(), 1) << after;
        EXPECT_EQ(Text(ui().cboC2MatesTo), "4.3-10 Male") << after;
        EXPECT_EQ(Text(ui().cboC2Description), "RIGHT ANGLE") << after;
        EXPECT_EQ(PictureFile(ui().imgBottom), "4310male_ra.gif") << after;
    };
    expectRemembered("the choices");

    Back();
    ASSERT_EQ(Page(), 0);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    expectRemembered("Back");

    StartOver();
    ASSERT_EQ(Page(), 0);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    expectRemembered("Start Over");
    ExpectNoBoxes();
}

// The comparison fits into page 2 without enlarging the window; a limit hides
// the rows that miss it; Use This Size picks that grade and size on page 2
// as the user's own clicks would.
TEST_F(PageTwoTest, CompareSizesAndUseTheOneChosen) {
    ASSERT_NO_FATAL_FAILURE(Start());
    const QSize size = window->size();
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    auto* compare = window->findChild<QPushButton*>("btnCompareSizes");
    ASSERT_NE(compare, nullptr);
    EXPECT_TRUE(compare->isVisible());
    EXPECT_EQ(window->size(), size);
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TCompareSizesDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shown = true;
        // The whole dialog is on the screen, its Close button too.
        const QRect available = dialog->screen()->availableGeometry();
        EXPECT_LE(dialog->frameGeometry().width(), available.width());
        EXPECT_TRUE(available.contains(dialog->btnClose->mapToGlobal(QPoint(0, 0))));
        QTableWidget* table = dialog->tblSizes;
        const auto visible = [table] {
            int rows = 0;
            for (int r = 0; r < table->rowCount(); ++r) rows += !table->isRowHidden(r);
            return rows;
        };
        const int all = visible();
        EXPECT_GE(all, 6);
        QTest::keyClicks(dialog->edtMaxLoss, "0.3");  // only the larger sizes
        EXPECT_LT(visible(), all);
        // The sizes the page's connectors do not fit have no price and are counted apart.
        EXPECT_EQ(S(dialog->lblMeets->text()), std::to_string(visible()) + " of " +
                                                   std::to_string(all) +
                                                   " sizes meet the limits; 6 have no price.");
        // A limit with a decimal comma is no number: said at once, warned when left.
        dialog->edtMaxLoss->clear();
        QTest::keyClicks(dialog->edtMaxLoss, "0,3");
        EXPECT_EQ(visible(), all);
        EXPECT_EQ(S(dialog->lblMeets->text()),
                  "'0,3' is not a number: the decimal separator is a point.");
        emit dialog->edtMaxLoss->editingFinished();
        EXPECT_EQ(messages.Boxes(), (Calls{{"warning", kNotNumeric}}));
        messages.Reset();
        dialog->edtMaxLoss->clear();
        for (int r = 0; r < table->rowCount(); ++r) {
            if (table->item(r, 0)->text() != "RVX2P-50K") continue;
            table->selectRow(r);
            dialog->btnUse->click();
            return;
        }
        ADD_FAILURE() << "no RVX2P-50K row";
        dialog->reject();
    });
    compare->click();
    EXPECT_TRUE(shown);
    EXPECT_EQ(Text(ui().cboTLineData), "RVX2P-50K");
    EXPECT_EQ(ui().rgCableGrade->ItemIndex(), 1);
    EXPECT_EQ(Page(), 1);
    EXPECT_TRUE(messages.Boxes().empty()) << ::testing::PrintToString(messages.calls);
}

}  // namespace
}  // namespace wizard
