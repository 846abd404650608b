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

// -------------------------------------------------------------- first visit

TEST_F(PageTwoTest, FirstVisitPreselectsTheRememberedCable) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    ExpectNoBoxes();
    EXPECT_EQ(ui().rgCableGrade->ItemIndex(), 0);
    EXPECT_EQ(S(ui().rgCableGrade->Button(0)->text()), "Standard Cable");
    for (int item = 0; item < 3; ++item) EXPECT_TRUE(ui().rgCableGrade->Button(item)->isEnabled());
    EXPECT_EQ(Items(ui().cboTLineData),
              (Texts{"RVX1-50K", "RVX2-50K", "RVX4-50K", "RVX5-50K", "RVX6-50K", "RVX7-50K"}));
    EXPECT_EQ(Text(ui().cboTLineData), "RVX4-50K");
    EXPECT_EQ(CablePartNumber(), "RVX4-50K");
    EXPECT_TRUE(ui().edtTlineSize->isVisible());
    EXPECT_TRUE(ui().lblDiameter->isVisible());
    EXPECT_EQ(S(ui().edtTlineSize->text()), "1/2 in.");
    EXPECT_TRUE(ui().imgCable->HasPicture());
    EXPECT_EQ(PictureFile(ui().imgCable), "RVX4-50K.gif");
}

TEST_F(PageTwoTest, FirstVisitPreselectsTheRememberedConnectorsVelliskAndPlated) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    EXPECT_EQ(ui().rgConnectorAttachment->ItemIndex(), 0);
    EXPECT_EQ(S(ui().rgConnectorAttachment->Button(0)->text()), "Vellisk");
    EXPECT_TRUE(AttachmentEnabled(0));
    EXPECT_TRUE(AttachmentEnabled(1));
    EXPECT_EQ(ui().rgConnectorGrade->ItemIndex(), 0);
    EXPECT_EQ(S(ui().rgConnectorGrade->Button(0)->text()), "Plated");
    EXPECT_TRUE(GradeEnabled(0));
    EXPECT_FALSE(GradeEnabled(1)) << "Standard";
    EXPECT_TRUE(ui().imgVL->isVisible());

    for (quill::ComboBox* box : {ui().cboC1MatesTo, ui().cboC2MatesTo}) {
        EXPECT_EQ(Items(box), kSixConnectors);
        EXPECT_EQ(Text(box), "7-16 DIN Male");
    }
    for (quill::ComboBox* box : {ui().cboC1Description, ui().cboC2Description}) {
        EXPECT_EQ(Items(box), (Texts{"(none)", "RIGHT ANGLE"}));
        EXPECT_EQ(Text(box), "(none)");
    }
    for (quill::ComboBox* box : {ui().cboC1Inner, ui().cboC2Inner}) {
        EXPECT_EQ(Items(box), (Texts{"(N/A)"}));
        EXPECT_EQ(Text(box), "(N/A)");
    }
    EXPECT_EQ(S(ui().lblTopDescription->text()), "7-16 DIN Male");
    EXPECT_EQ(S(ui().lblBottomDescription->text()), "7-16 DIN Male");
    EXPECT_EQ(PictureFile(ui().imgTop), "716dinmale_v.gif");
    EXPECT_EQ(PictureFile(ui().imgBottom), "716dinmale_v.gif");
    EXPECT_TRUE(ui().rbC1Actual->isChecked());
    EXPECT_TRUE(ui().rbC2Actual->isChecked());
}

// ------------------------------------------------------------ cable grade

TEST_F(PageTwoTest, SwitchingTheGradeKeepsTheCableModel) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Pick(ui().cboTLineData, "RVX2-50K");
    EXPECT_EQ(CablePartNumber(), "RVX2-50K");
    EXPECT_EQ(S(ui().edtTlineSize->text()), "3/8 in.");
    EXPECT_EQ(PictureFile(ui().imgCable), "RVX2-50K.gif");

    Click(ui().rgCableGrade, 1);
    EXPECT_EQ(Items(ui().cboTLineData), (Texts{"RVX1P-50K", "RVX2P-50K", "RVX4P-50K", "RVX5P-50K",
                                               "RVX6P-50K", "RVX7P-50K"}));
    EXPECT_EQ(Text(ui().cboTLineData), "RVX2P-50K");
    EXPECT_EQ(CablePartNumber(), "RVX2P-50K");
    EXPECT_EQ(PictureFile(ui().imgCable), "RVX2-50K.gif");

    Click(ui().rgCableGrade, 2);
    EXPECT_EQ(Items(ui().cboTLineData),
              (Texts{"RVX1R-50K", "RVX2R-50K", "RVX4R-50K", "RVX5R-50K"}));
    EXPECT_EQ(Text(ui().cboTLineData), "RVX2R-50K");
    EXPECT_EQ(CablePartNumber(), "RVX2R-50K");

    Click(ui().rgCableGrade, 0);
    EXPECT_EQ(Text(ui().cboTLineData), "RVX2-50K");
    ExpectNoBoxes();
}

TEST_F(PageTwoTest, ModelMissingFromTheGradeSelectsTheFirstPartNumber) {
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(ui().rgCableType, 0);  // air: no cable of the remembered foam model
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    EXPECT_EQ(Items(ui().cboTLineData),
              (Texts{"HXA4-50", "HXA5-50", "HXA6-50", "HXA7-50", "HXA8-50"}));
    EXPECT_EQ(Text(ui().cboTLineData), "HXA4-50");
    EXPECT_TRUE(ui().rgCableGrade->Button(0)->isEnabled());
    EXPECT_TRUE(ui().rgCableGrade->Button(1)->isEnabled());
    EXPECT_FALSE(ui().rgCableGrade->Button(2)->isEnabled()) << "no flame retardant air cable";

    Pick(ui().cboTLineData, "HXA5-50");
    Click(ui().rgCableGrade, 1);
    EXPECT_EQ(Items(ui().cboTLineData), (Texts{"HXA7P-50"}));
    EXPECT_EQ(Text(ui().cboTLineData), "HXA7P-50");
    // The premium cable chosen for want of another is remembered as well.
    Click(ui().rgCableGrade, 0);
    EXPECT_EQ(Text(ui().cboTLineData), "HXA7-50");
}

TEST_F(PageTwoTest, WithoutStandardCablesPremiumIsChosen) {
    WriteCatalogue({
        "[ZZ]",
        "TLine=1|10000|MODEL-X|ZZ-P|FOAM|0.06|0.0002|1/2|P||Y|Y||1|10|",
        "C1=1|P1|N Male||N Female||P|S|",
        "",
        "[AA]",
        "TLine=1|10000|MODEL-Y|AA-P|FOAM|0.06|0.0002|5/8|P||Y|Y||1|10|",
        "C1=2|P2|N Female||N Male||P|S|",
        "",
        "[AA2]",
        "TLine=1|10000|MODEL-Z|AA-P|FOAM|0.06|0.0002|7/8|P||Y|Y||1|10|",
        "C1=3|P3|N Female||N Male||P|S|",
        "",
        "[MM]",
        "TLine=1|10000|MODEL-X|MM-R|FOAM|0.06|0.0002|1/2|R||Y|Y||1|10|",
        "C1=4|P4|N Male||N Female||P|S|",
        "",
    });
    ASSERT_NO_FATAL_FAILURE(Start());
    ui().cboBeginning->SetText("1");
    ui().cboEnding->SetText("10000");
    ui().btnNext->click();
    ASSERT_EQ(Page(), 1) << ::testing::PrintToString(messages.calls);

    EXPECT_FALSE(ui().rgCableGrade->Button(0)->isEnabled()) << "Standard Cable";
    EXPECT_TRUE(ui().rgCableGrade->Button(1)->isEnabled());
    EXPECT_TRUE(ui().rgCableGrade->Button(2)->isEnabled());
    EXPECT_EQ(ui().rgCableGrade->ItemIndex(), 1);
    // One entry per part number; the first cable of that number is the one chosen.
    EXPECT_EQ(Items(ui().cboTLineData), (Texts{"AA-P", "ZZ-P"}));
    EXPECT_EQ(Text(ui().cboTLineData), "AA-P");
    EXPECT_EQ(S(ui().edtTlineSize->text()), "5/8 in.");
    EXPECT_EQ(Text(ui().cboC1MatesTo), "N Female");
    ExpectNoBoxes();  // no picture of these cables or connectors: no error either
}

// ------------------------------------------------ connector attachment and grade

TEST_F(PageTwoTest, RegularOffersStandardWhenTheCableAllowsIt) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Click(ui().rgConnectorAttachment, 1);
    EXPECT_EQ(ui().rgConnectorAttachment->ItemIndex(), 1);
    EXPECT_TRUE(GradeEnabled(0));
    EXPECT_TRUE(GradeEnabled(1));
    EXPECT_EQ(ui().rgConnectorGrade->ItemIndex(), 0);
    EXPECT_FALSE(ui().imgVL->isVisible());
    EXPECT_EQ(Items(ui().cboC1Description), (Texts{"(none)", "Low PIM", "RIGHT ANGLE"}));
    EXPECT_EQ(Items(ui().cboC1Inner), (Texts{"Captivated"}));
    EXPECT_EQ(PictureFile(ui().imgTop), "716dinmale.gif");

    // The premium cable has no standard-grade connectors.
    Click(ui().rgConnectorGrade, 1);
    ASSERT_EQ(ui().rgConnectorGrade->ItemIndex(), 1);
    Click(ui().rgCableGrade, 1);
    EXPECT_EQ(Text(ui().cboTLineData), "RVX4P-50K");
    EXPECT_FALSE(GradeEnabled(1));
    EXPECT_EQ(ui().rgConnectorGrade->ItemIndex(), 0);
    ExpectNoBoxes();
}

TEST_F(PageTwoTest, StandardGradeOffersOnlyStandardConnectorChoices) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Click(ui().rgConnectorAttachment, 1);
    Click(ui().rgConnectorGrade, 1);
    EXPECT_EQ(window->Session().PageTwo().State().connectorGrade.index, 1);
    EXPECT_EQ(Items(ui().cboC1MatesTo), kSixConnectors);
    EXPECT_EQ(Text(ui().cboC1MatesTo), "7-16 DIN Male");
    // The plated connectors of that name have a right-angle, a low-PIM and a
    // captivated form; the standard one is soldered only.
    EXPECT_EQ(Items(ui().cboC1Description), (Texts{"(none)"}));
    EXPECT_EQ(Items(ui().cboC1Inner), (Texts{"Solder"}));
    EXPECT_EQ(Items(ui().cboC2Description), (Texts{"(none)"}));
    EXPECT_EQ(Items(ui().cboC2Inner), (Texts{"Solder"}));

    Pick(ui().cboC1MatesTo, "N Male");
    EXPECT_EQ(Items(ui().cboC1Description), (Texts{"(none)"}));
    EXPECT_EQ(Items(ui().cboC1Inner), (Texts{"Solder"}));
    ExpectNoBoxes();
}

TEST_F(PageTwoTest, VelliskDisablesStandardAndSelectsPlated) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Click(ui().rgConnectorAttachment, 1);
    Click(ui().rgConnectorGrade, 1);
    ASSERT_FALSE(ui().imgVL->isVisible());

    Click(ui().rgConnectorAttachment, 0);
    EXPECT_EQ(ui().rgConnectorAttachment->ItemIndex(), 0);
    EXPECT_FALSE(GradeEnabled(1));
    EXPECT_EQ(ui().rgConnectorGrade->ItemIndex(), 0);
    EXPECT_TRUE(ui().imgVL->isVisible());
    EXPECT_EQ(Items(ui().cboC1Description), (Texts{"(none)", "RIGHT ANGLE"}));
    EXPECT_EQ(PictureFile(ui().imgTop), "716dinmale_v.gif");
}

TEST_F(PageTwoTest, CableWithoutTheVelliskOptionForcesRegular) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Pick(ui().cboTLineData, "RVX6-50K");
    EXPECT_FALSE(AttachmentEnabled(0));
    EXPECT_TRUE(AttachmentEnabled(1));
    EXPECT_EQ(ui().rgConnectorAttachment->ItemIndex(), 1);
    EXPECT_FALSE(ui().imgVL->isVisible());
    EXPECT_EQ(Items(ui().cboC1MatesTo),
              (Texts{"7-16 DIN Female", "7-16 DIN Male", "N Female", "N Male"}));
    EXPECT_EQ(PictureFile(ui().imgTop), "716dinmale.gif");
}

TEST_F(PageTwoTest, FeederNeverOffersVellisk) {
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(ui().rgApp, 1);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    EXPECT_EQ(CablePartNumber(), "RVX4-50K");
    EXPECT_FALSE(AttachmentEnabled(0));
    EXPECT_EQ(ui().rgConnectorAttachment->ItemIndex(), 1);
    EXPECT_FALSE(ui().imgVL->isVisible());
    EXPECT_EQ(PictureFile(ui().imgTop), "716dinmale.gif");
}

// ------------------------------------------------------------- connectors

TEST_F(PageTwoTest, PickingAConnectorRefillsItsChoices) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Pick(ui().cboC1MatesTo, "4.3-10 Female");
    EXPECT_EQ(window->Session().PageTwo().State().top.connectorName, "4.3-10 Female");
    EXPECT_EQ(Items(ui().cboC1Description), (Texts{"(none)"}));
    EXPECT_EQ(Items(ui().cboC1Inner), (Texts{"(N/A)"}));
    EXPECT_EQ(S(ui().lblTopDescription->text()), "4.3-10 Female");
    EXPECT_EQ(PictureFile(ui().imgTop), "4310female_v.gif");
    // The other end keeps its own choice.
    EXPECT_EQ(Text(ui().cboC2MatesTo), "7-16 DIN Male");
    EXPECT_EQ(PictureFile(ui().imgBottom), "716dinmale_v.gif");
}

TEST_F(PageTwoTest, EmptyCharacteristicAndInnerAreShownAsPlaceholders) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Click(ui().rgConnectorAttachment, 1);
    Pick(ui().cboC2Description, "Low PIM");
    EXPECT_EQ(Items(ui().cboC2Inner), (Texts{"(N/A)"}));
    Pick(ui().cboC2Description, "(none)");
    EXPECT_EQ(Items(ui().cboC2Inner), (Texts{"Captivated"}));
    EXPECT_EQ(Text(ui().cboC2Description), "(none)");
}

TEST_F(PageTwoTest, RightAngleCharacteristicShowsTheRightAnglePicture) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Pick(ui().cboC1Description, "RIGHT ANGLE");
    EXPECT_EQ(PictureFile(ui().imgTop), "716dinmale_ra_v.gif");
    EXPECT_EQ(Items(ui().cboC1Inner), (Texts{"(N/A)"}));
    EXPECT_EQ(PictureFile(ui().imgBottom), "716dinmale_v.gif");

    // Regular keeps the remembered characteristic where it exists.
    Click(ui().rgConnectorAttachment, 1);
    EXPECT_EQ(Text(ui().cboC1Description), "RIGHT ANGLE");
    EXPECT_EQ(PictureFile(ui().imgTop), "716dinmale_ra.gif");
    EXPECT_EQ(Items(ui().cboC1Inner), (Texts{"Captivated"}));
    EXPECT_EQ(PictureFile(ui().imgBottom), "716dinmale.gif");
    ExpectNoBoxes();
}

TEST_F(PageTwoTest, RightAngleIsFoundInAnyLetterCase) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Pick(ui().cboTLineData, "RVX2-50K");
    Click(ui().rgConnectorAttachment, 1);
    Pick(ui().cboC1MatesTo, "N Male");
    EXPECT_EQ(Items(ui().cboC1Description), (Texts{"(none)", "Right Angle"}));
    // The picture list spells the name "n male".
    EXPECT_EQ(PictureFile(ui().imgTop), "nmale.gif");
    Pick(ui().cboC1Description, "Right Angle");
    EXPECT_EQ(PictureFile(ui().imgTop), "nmale_ra.gif");
    ExpectNoBoxes();
}

TEST_F(PageTwoTest, MatesToRefillsWithMatingNamesAndRemembersTheChoice) {
    // Elliptical waveguide EWQ63: its "PDR70 Flange" mates with a "UDR70 Flange".
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(ui().rgApp, 1);
    Click(ui().rgCableType, 2);
    Type(ui().cboBeginning, "5925");
    Type(ui().cboEnding, "7125");
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    ASSERT_EQ(CablePartNumber(), "EWQ63");
    // No plated connectors for this waveguide: the standard grade is the one offered.
    EXPECT_FALSE(GradeEnabled(0));
    EXPECT_TRUE(GradeEnabled(1));
    EXPECT_EQ(ui().rgConnectorGrade->ItemIndex(), 1);
    EXPECT_EQ(Items(ui().cboC1MatesTo),
              (Texts{"CPR137F Flange", "CPR137G Flange", "PDR70 Flange"}));
    Pick(ui().cboC1MatesTo, "PDR70 Flange");
    EXPECT_EQ(S(ui().lblTopDescription->text()), "PDR70 Flange");

    Click(ui().rbC1MatesTo);
    EXPECT_EQ(Items(ui().cboC1MatesTo),
              (Texts{"CPR137F Flange", "CPR137G Flange", "UDR70 Flange"}));
    EXPECT_EQ(Text(ui().cboC1MatesTo), "CPR137F Flange");
    EXPECT_EQ(window->Session().PageTwo().State().top.connectorName, "CPR137F Flange");
    EXPECT_EQ(S(ui().lblTopDescription->text()), "CPR137G Flange");
    EXPECT_EQ(Items(ui().cboC1Description), (Texts{"(none)", "Pressure Window"}));
    EXPECT_EQ(PictureFile(ui().imgTop), "cpr137gflange.gif");
    // The bottom end still chooses by the connector itself.
    EXPECT_TRUE(ui().rbC2Actual->isChecked());
    EXPECT_EQ(Items(ui().cboC2MatesTo),
              (Texts{"CPR137F Flange", "CPR137G Flange", "PDR70 Flange"}));

    Pick(ui().cboC1MatesTo, "UDR70 Flange");
    EXPECT_EQ(S(ui().lblTopDescription->text()), "PDR70 Flange");
    EXPECT_EQ(PictureFile(ui().imgTop), "pdr70flange.gif");

    // Back to the connector itself: the remembered name is the mating name
    // chosen last, which is no connector of this cable.
    Click(ui().rbC1Actual);
    EXPECT_EQ(Items(ui().cboC1MatesTo),
              (Texts{"CPR137F Flange", "CPR137G Flange", "PDR70 Flange"}));
    EXPECT_EQ(Text(ui().cboC1MatesTo), "CPR137F Flange");
    EXPECT_EQ(S(ui().lblTopDescription->text()), "CPR137F Flange");
    ExpectNoBoxes();
}

TEST_F(PageTwoTest, MatesToKeepsTheRememberedNameWhenItIsAMatingName) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Click(ui().rbC1MatesTo);
    EXPECT_TRUE(ui().rbC1MatesTo->isChecked());
    EXPECT_EQ(Items(ui().cboC1MatesTo), kSixConnectors);
    EXPECT_EQ(Text(ui().cboC1MatesTo), "7-16 DIN Male");
    EXPECT_EQ(S(ui().lblTopDescription->text()), "7-16 DIN Female");
    EXPECT_EQ(PictureFile(ui().imgTop), "716dinfemale_v.gif");
}

class PageTwoMatesToLabelTest : public PageTwoTest {
  protected:
    void SetUp() override {
        PageTwoTest::SetUp();
        // Three connectors mate with "N Female", each a connector of its own.
        WriteCatalogue({
            "[T1]",
            "TLine=1|10000|T1|T1|FOAM|0.06|0.0002|1/2|S||Y|Y|Y|1|10|",
            "C1=1|P1|N Male||N Female|Captivated|P|R|",
            "C2=2|P2|N Male Solder||N Female|Solder|S|R|",
            "C3=3|P3|N Male Spring||N Female|Spring|P|R|",
            "C4=4|P4|7-16 DIN Male||7-16 DIN Female||P|S|",
            "",
        });
        ASSERT_NO_FATAL_FAILURE(Start());
        ui().cboBeginning->SetText("1");
        ui().cboEnding->SetText("10000");
        ui().btnNext->click();
        ASSERT_EQ(Page(), 1) << ::testing::PrintToString(messages.calls);
        ASSERT_NO_FATAL_FAILURE(Click(ui().rgConnectorAttachment, 1));
        ASSERT_NO_FATAL_FAILURE(Click(ui().rbC1MatesTo));
        ASSERT_EQ(Items(ui().cboC1MatesTo), (Texts{"N Female"}));
    }
};

TEST_F(PageTwoMatesToLabelTest, LabelNamesTheConnectorWithTheChosenInnerAttachment) {
    EXPECT_EQ(Items(ui().cboC1Inner), (Texts{"Captivated", "Spring"}));
    EXPECT_EQ(S(ui().lblTopDescription->text()), "N Male");
    Pick(ui().cboC1Inner, "Spring");
    EXPECT_EQ(S(ui().lblTopDescription->text()), "N Male Spring");
    EXPECT_EQ(window->Session().PageTwo().State().top.innerName, "Spring");
    ExpectNoBoxes();
}

TEST_F(PageTwoMatesToLabelTest, LabelNamesTheConnectorOfTheChosenGrade) {
    Click(ui().rgConnectorGrade, 1);
    EXPECT_EQ(Items(ui().cboC1MatesTo), (Texts{"N Female"}));
    EXPECT_EQ(Items(ui().cboC1Inner), (Texts{"Solder"}));
    EXPECT_EQ(S(ui().lblTopDescription->text()), "N Male Solder");
    ExpectNoBoxes();
}

TEST_F(PageTwoMatesToLabelTest, RememberedInnerAttachmentComesBackWithItsGrade) {
    Pick(ui().cboC1Inner, "Spring");
    Click(ui().rgConnectorGrade, 1);
    ASSERT_EQ(S(ui().lblTopDescription->text()), "N Male Solder");
    Click(ui().rgConnectorGrade, 0);
    EXPECT_EQ(Text(ui().cboC1Inner), "Spring");
    EXPECT_EQ(S(ui().lblTopDescription->text()), "N Male Spring");
}

TEST_F(PageTwoMatesToLabelTest, ActualModeLabelIsTheChosenName) {
    Click(ui().rbC1Actual);
    EXPECT_EQ(Items(ui().cboC1MatesTo), (Texts{"N Male", "N Male Spring"}));
    Pick(ui().cboC1MatesTo, "N Male Spring");
    EXPECT_EQ(S(ui().lblTopDescription->text()), "N Male Spring");
    EXPECT_EQ(Items(ui().cboC1Inner), (Texts{"Spring"}));
}

TEST_F(PageTwoTest, NoConnectorOfTheChosenKindLeavesTheEndEmpty) {
    WriteCatalogue({
        "[T2]",
        "TLine=1|10000|T2|T2|FOAM|0.06|0.0002|1/2|S||Y|Y|Y|1|10|",
        "C1=1|P1|N Male||N Female||P|S|",
        "",
    });
    ASSERT_NO_FATAL_FAILURE(Start());
    ui().cboBeginning->SetText("1");
    ui().cboEnding->SetText("10000");
    ui().btnNext->click();
    ASSERT_EQ(Page(), 1) << ::testing::PrintToString(messages.calls);
    ASSERT_EQ(Text(ui().cboC1MatesTo), "N Male");

    Click(ui().rgConnectorAttachment, 1);
    for (quill::ComboBox* box : {ui().cboC1MatesTo, ui().cboC1Description, ui().cboC1Inner,
                                 ui().cboC2MatesTo, ui().cboC2Description, ui().cboC2Inner}) {
        EXPECT_TRUE(Items(box).empty()) << S(box->objectName());
        EXPECT_EQ(Text(box), "") << S(box->objectName());
    }
    ExpectNoBoxes();
}

TEST_F(PageTwoTest, LabelOfALeftOutEndKeepsTheLastName) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Pick(ui().cboC1MatesTo, "N Female");
    Back();
    Click(ui().rgApp, 1);
    Click(ui().chkTopConnector);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    EXPECT_EQ(Text(ui().cboC1MatesTo), "None");
    EXPECT_EQ(S(ui().lblTopDescription->text()), "N Female");
}

// ------------------------------------------------------- missing pictures

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
    EXPECT_EQ(Items(ui().cboC1Description), (Texts{"(none)", "Low PIM", "RIGHT ANGLE"}));
    EXPECT_EQ(Items(ui().cboC1Inner), (Texts{"Captivated"}));

    // The lists follow every change, whether or not a picture exists.
    Pick(ui().cboC1Description, "Low PIM");
    ExpectNoBoxes();
    EXPECT_EQ(Items(ui().cboC1Inner), (Texts{"(N/A)"}));
    EXPECT_EQ(Text(ui().cboC1Description), "Low PIM");

    Pick(ui().cboC1Description, "RIGHT ANGLE");
    EXPECT_EQ(PictureFile(ui().imgTop), "716dinmale_ra.gif");
    EXPECT_EQ(Items(ui().cboC1Inner), (Texts{"Captivated"}));

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
    EXPECT_EQ(Items(ui().cboC1MatesTo), kSixConnectors);
    EXPECT_EQ(Text(ui().cboC1MatesTo), "7-16 DIN Male");
    EXPECT_EQ(Items(ui().cboC2Description), (Texts{"(none)", "RIGHT ANGLE"}));
    EXPECT_EQ(PictureFile(ui().imgTop), "716dinmale_v.gif");
    EXPECT_FALSE(GradeEnabled(1));

    Pick(ui().cboTLineData, "RVX2-50K");
    ASSERT_EQ(PictureFile(ui().imgCable), "RVX2-50K.gif");
    Click(ui().rgConnectorAttachment, 1);
    Pick(ui().cboTLineData, "RVX4-50K");
    ExpectNoBoxes();
    EXPECT_FALSE(ui().imgCable->HasPicture()) << "no picture of another cable";
    EXPECT_EQ(Items(ui().cboC1Description), (Texts{"(none)", "Low PIM", "RIGHT ANGLE"}));
    EXPECT_TRUE(GradeEnabled(1));
}

// --------------------------------------------------------- ends left out

TEST_F(PageTwoTest, FeederWithOnlyTheBottomConnectorLeavesTheTopEmpty) {
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(ui().rgApp, 1);
    Click(ui().chkTopConnector);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());

    const auto expectTopEmpty = [&](const char* after) {
        EXPECT_EQ(Text(ui().cboC1MatesTo), "None") << after;
        EXPECT_EQ(Text(ui().cboC1Description), "N/A") << after;
        EXPECT_EQ(Text(ui().cboC1Inner), "N/A") << after;
        EXPECT_EQ(PictureFile(ui().imgTop), "noconnectors.gif") << after;
        for (QWidget* control :
             std::initializer_list<QWidget*>{ui().cboC1MatesTo, ui().rbC1Actual, ui().rbC1MatesTo,
                                             ui().cboC1Description, ui().cboC1Inner})
            EXPECT_FALSE(control->isEnabled()) << after << ": " << S(control->objectName());
        EXPECT_TRUE(ui().cboC2MatesTo->isEnabled()) << after;
        EXPECT_FALSE(Text(ui().cboC2MatesTo).empty()) << after;
        EXPECT_TRUE(ui().rgConnectorAttachment->isEnabled()) << after;
        EXPECT_TRUE(ui().rgConnectorGrade->isEnabled()) << after;
    };
    expectTopEmpty("arrival");
    EXPECT_EQ(Text(ui().cboC2MatesTo), "7-16 DIN Male");

    Click(ui().rgCableGrade, 1);
    expectTopEmpty("premium grade");
    Pick(ui().cboTLineData, "RVX2P-50K");
    expectTopEmpty("another cable");
    Click(ui().rgCableGrade, 0);
    Click(ui().rgConnectorGrade, 1);
    ASSERT_EQ(ui().rgConnectorGrade->ItemIndex(), 1);
    expectTopEmpty("standard connectors");
    Click(ui().rgConnectorAttachment, 1);
    Click(ui().rbC2MatesTo);
    expectTopEmpty("bottom by mating name");
    ExpectNoBoxes();
}

TEST_F(PageTwoTest, FeederWithoutConnectorsDisablesEveryConnectorChoice) {
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(ui().rgApp, 1);
    Click(ui().chkTopConnector);
    Click(ui().chkBottomConnector);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    EXPECT_EQ(Text(ui().cboC1MatesTo), "None");
    EXPECT_EQ(Text(ui().cboC2MatesTo), "None");
    EXPECT_EQ(Text(ui().cboC2Description), "N/A");
    EXPECT_EQ(Text(ui().cboC2Inner), "N/A");
    EXPECT_EQ(PictureFile(ui().imgBottom), "noconnectors.gif");
    EXPECT_FALSE(ui().rgConnectorAttachment->isEnabled());
    EXPECT_FALSE(ui().rgConnectorGrade->isEnabled());
    EXPECT_EQ(Text(ui().cboTLineData), "RVX4-50K");
    Click(ui().rgCableGrade, 1);
    EXPECT_EQ(Text(ui().cboTLineData), "RVX4P-50K");
    EXPECT_EQ(Text(ui().cboC2MatesTo), "None");
    ExpectNoBoxes();
}

// ------------------------------------------------------------- waveguide

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

// --------------------------------------------------- remembered choices

TEST_F(PageTwoTest, ChoicesAreRememberedAcrossBackAndStartOver) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Click(ui().rgCableGrade, 1);
    Pick(ui().cboTLineData, "RVX2P-50K");
    Click(ui().rgConnectorAttachment, 1);
    Pick(ui().cboC1MatesTo, "N Female");
    Pick(ui().cboC2MatesTo, "4.3-10 Male");
    Pick(ui().cboC2Description, "RIGHT ANGLE");

    const auto expectRemembered = [&](const char* after) {
        EXPECT_EQ(ui().rgCableGrade->ItemIndex(), 1) << after;
        EXPECT_EQ(Text(ui().cboTLineData), "RVX2P-50K") << after;
        EXPECT_EQ(ui().rgConnectorAttachment->ItemIndex(), 1) << after;
        EXPECT_EQ(ui().rgConnectorGrade->ItemIndex(), 0) << after;
        EXPECT_EQ(Text(ui().cboC1MatesTo), "N Female") << after;
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

TEST_F(PageTwoTest, AnEndIncludedAgainIsOfferedItsConnectorsAgain) {
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(ui().rgApp, 1);
    Click(ui().chkTopConnector);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    ASSERT_EQ(Text(ui().cboC1MatesTo), "None");
    Back();
    Click(ui().chkTopConnector);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    for (QWidget* control :
         std::initializer_list<QWidget*>{ui().cboC1MatesTo, ui().rbC1Actual, ui().rbC1MatesTo,
                                         ui().cboC1Description, ui().cboC1Inner})
        EXPECT_TRUE(control->isEnabled()) << S(control->objectName());
    EXPECT_EQ(Items(ui().cboC1MatesTo), kSixConnectors);
    EXPECT_EQ(Text(ui().cboC1MatesTo), "7-16 DIN Male");
    EXPECT_EQ(Items(ui().cboC1Description), (Texts{"(none)", "Low PIM", "RIGHT ANGLE"}));
    EXPECT_EQ(Text(ui().cboC1Inner), "Captivated");
    EXPECT_EQ(PictureFile(ui().imgTop), "716dinmale.gif");
    ExpectNoBoxes();
}

TEST_F(PageTwoTest, JumperAfterFeederOffersVelliskAgain) {
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(ui().rgApp, 1);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    ASSERT_EQ(ui().rgConnectorAttachment->ItemIndex(), 1);
    Back();
    Click(ui().rgApp, 0);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    EXPECT_TRUE(AttachmentEnabled(0));
    EXPECT_EQ(ui().rgConnectorAttachment->ItemIndex(), 0);
    EXPECT_TRUE(ui().imgVL->isVisible());
    EXPECT_EQ(Text(ui().cboC1MatesTo), "7-16 DIN Male");
    EXPECT_EQ(Text(ui().cboC1Description), "(none)");
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
        EXPECT_EQ(S(dialog->lblMeets->text()), std::to_string(visible()) + " of " +
                                                   std::to_string(all) + " sizes meet the limits.");
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
