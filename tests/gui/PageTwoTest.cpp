// Page 2: the cable (grade and size) and the connector at each end.

#include <QLabel>
#include <QLineEdit>

#include "WizardFixture.h"

namespace wizard {
namespace {

using Call = quill::fakes::FakeMessages::Call;

const Texts kSixConnectors = {"4.3-10 Female",   "4.3-10 Male", "7-16 DIN Female",
                              "7-16 DIN Male",   "N Female",    "N Male"};

class PageTwoTest : public WizardFixture {
  protected:
    // Starts the program and walks to page 2 with what page 1 offers by default.
    void StartOnPageTwo() {
        ASSERT_NO_FATAL_FAILURE(Start());
        ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    }
    std::string CablePartNumber() const {
        return window->CurrentCable() ? window->CurrentCable()->partNumber : std::string();
    }
    bool GradeEnabled(int item) const { return window->rgConnectorGrade->Button(item)->isEnabled(); }
    bool AttachmentEnabled(int item) const {
        return window->rgConnectorAttachment->Button(item)->isEnabled();
    }
    void ExpectNoBoxes() {
        EXPECT_TRUE(messages.Boxes().empty()) << ::testing::PrintToString(messages.calls);
    }
};

// -------------------------------------------------------------- first visit

TEST_F(PageTwoTest, FirstVisitPreselectsTheRememberedCable) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    ExpectNoBoxes();
    EXPECT_EQ(window->rgCableGrade->ItemIndex(), 0);
    EXPECT_EQ(S(window->rgCableGrade->Button(0)->text()), "Standard Cable");
    for (int item = 0; item < 3; ++item) EXPECT_TRUE(window->rgCableGrade->Button(item)->isEnabled());
    EXPECT_EQ(Items(window->cboTLineData),
              (Texts{"RVX1-50K", "RVX2-50K", "RVX4-50K", "RVX5-50K", "RVX6-50K", "RVX7-50K"}));
    EXPECT_EQ(Text(window->cboTLineData), "RVX4-50K");
    EXPECT_EQ(CablePartNumber(), "RVX4-50K");
    EXPECT_TRUE(window->edtTlineSize->isVisible());
    EXPECT_TRUE(window->lblDiameter->isVisible());
    EXPECT_EQ(S(window->edtTlineSize->text()), "1/2 in.");
    EXPECT_TRUE(window->imgCable->HasPicture());
    EXPECT_EQ(PictureFile(window->imgCable), "RVX4-50K.gif");
}

TEST_F(PageTwoTest, FirstVisitPreselectsTheRememberedConnectorsVelliskAndPlated) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    EXPECT_EQ(window->rgConnectorAttachment->ItemIndex(), 0);
    EXPECT_EQ(S(window->rgConnectorAttachment->Button(0)->text()), "Vellisk");
    EXPECT_TRUE(AttachmentEnabled(0));
    EXPECT_TRUE(AttachmentEnabled(1));
    EXPECT_EQ(window->rgConnectorGrade->ItemIndex(), 0);
    EXPECT_EQ(S(window->rgConnectorGrade->Button(0)->text()), "Plated");
    EXPECT_TRUE(GradeEnabled(0));
    EXPECT_FALSE(GradeEnabled(1)) << "Standard";
    EXPECT_TRUE(window->imgVL->isVisible());

    for (quill::ComboBox* box : {window->cboC1MatesTo, window->cboC2MatesTo}) {
        EXPECT_EQ(Items(box), kSixConnectors);
        EXPECT_EQ(Text(box), "7-16 DIN Male");
    }
    for (quill::ComboBox* box : {window->cboC1Description, window->cboC2Description}) {
        EXPECT_EQ(Items(box), (Texts{"(none)", "RIGHT ANGLE"}));
        EXPECT_EQ(Text(box), "(none)");
    }
    for (quill::ComboBox* box : {window->cboC1Inner, window->cboC2Inner}) {
        EXPECT_EQ(Items(box), (Texts{"(N/A)"}));
        EXPECT_EQ(Text(box), "(N/A)");
    }
    EXPECT_EQ(S(window->lblTopDescription->text()), "7-16 DIN Male");
    EXPECT_EQ(S(window->lblBottomDescription->text()), "7-16 DIN Male");
    EXPECT_EQ(PictureFile(window->imgTop), "716dinmale_v.gif");
    EXPECT_EQ(PictureFile(window->imgBottom), "716dinmale_v.gif");
    EXPECT_TRUE(window->rbC1Actual->isChecked());
    EXPECT_TRUE(window->rbC2Actual->isChecked());
}

// ------------------------------------------------------------ cable grade

TEST_F(PageTwoTest, SwitchingTheGradeKeepsTheCableModel) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Pick(window->cboTLineData, "RVX2-50K");
    EXPECT_EQ(CablePartNumber(), "RVX2-50K");
    EXPECT_EQ(S(window->edtTlineSize->text()), "3/8 in.");
    EXPECT_EQ(PictureFile(window->imgCable), "RVX2-50K.gif");

    Click(window->rgCableGrade, 1);
    EXPECT_EQ(Items(window->cboTLineData),
              (Texts{"RVX1P-50K", "RVX2P-50K", "RVX4P-50K", "RVX5P-50K", "RVX6P-50K", "RVX7P-50K"}));
    EXPECT_EQ(Text(window->cboTLineData), "RVX2P-50K");
    EXPECT_EQ(CablePartNumber(), "RVX2P-50K");
    EXPECT_EQ(PictureFile(window->imgCable), "RVX2-50K.gif");

    Click(window->rgCableGrade, 2);
    EXPECT_EQ(Items(window->cboTLineData),
              (Texts{"RVX1R-50K", "RVX2R-50K", "RVX4R-50K", "RVX5R-50K"}));
    EXPECT_EQ(Text(window->cboTLineData), "RVX2R-50K");
    EXPECT_EQ(CablePartNumber(), "RVX2R-50K");

    Click(window->rgCableGrade, 0);
    EXPECT_EQ(Text(window->cboTLineData), "RVX2-50K");
    ExpectNoBoxes();
}

TEST_F(PageTwoTest, ModelMissingFromTheGradeSelectsTheFirstPartNumber) {
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(window->rgCableType, 0);  // air: no cable of the remembered foam model
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    EXPECT_EQ(Items(window->cboTLineData),
              (Texts{"HXA4-50", "HXA5-50", "HXA6-50", "HXA7-50", "HXA8-50"}));
    EXPECT_EQ(Text(window->cboTLineData), "HXA4-50");
    EXPECT_TRUE(window->rgCableGrade->Button(0)->isEnabled());
    EXPECT_TRUE(window->rgCableGrade->Button(1)->isEnabled());
    EXPECT_FALSE(window->rgCableGrade->Button(2)->isEnabled()) << "no flame retardant air cable";

    Pick(window->cboTLineData, "HXA5-50");
    Click(window->rgCableGrade, 1);
    EXPECT_EQ(Items(window->cboTLineData), (Texts{"HXA7P-50"}));
    EXPECT_EQ(Text(window->cboTLineData), "HXA7P-50");
    // The premium cable chosen for want of another is remembered as well.
    Click(window->rgCableGrade, 0);
    EXPECT_EQ(Text(window->cboTLineData), "HXA7-50");
}

TEST_F(PageTwoTest, WithoutStandardCablesPremiumIsChosen) {
    WriteCatalogue({
        "[ZZ]", "TLine=1|10000|MODEL-X|ZZ-P|FOAM|0.06|0.0002|1/2|P||Y|Y||1|10|",
        "C1=1|P1|N Male||N Female||P|S|", "",
        "[AA]", "TLine=1|10000|MODEL-Y|AA-P|FOAM|0.06|0.0002|5/8|P||Y|Y||1|10|",
        "C1=2|P2|N Female||N Male||P|S|", "",
        "[AA2]", "TLine=1|10000|MODEL-Z|AA-P|FOAM|0.06|0.0002|7/8|P||Y|Y||1|10|",
        "C1=3|P3|N Female||N Male||P|S|", "",
        "[MM]", "TLine=1|10000|MODEL-X|MM-R|FOAM|0.06|0.0002|1/2|R||Y|Y||1|10|",
        "C1=4|P4|N Male||N Female||P|S|", "",
    });
    ASSERT_NO_FATAL_FAILURE(Start());
    window->cboBeginning->SetText("1");
    window->cboEnding->SetText("10000");
    window->btnNext->click();
    ASSERT_EQ(Page(), 1) << ::testing::PrintToString(messages.calls);

    EXPECT_FALSE(window->rgCableGrade->Button(0)->isEnabled()) << "Standard Cable";
    EXPECT_TRUE(window->rgCableGrade->Button(1)->isEnabled());
    EXPECT_TRUE(window->rgCableGrade->Button(2)->isEnabled());
    EXPECT_EQ(window->rgCableGrade->ItemIndex(), 1);
    // One entry per part number; the first cable of that number is the one chosen.
    EXPECT_EQ(Items(window->cboTLineData), (Texts{"AA-P", "ZZ-P"}));
    EXPECT_EQ(Text(window->cboTLineData), "AA-P");
    EXPECT_EQ(S(window->edtTlineSize->text()), "5/8 in.");
    EXPECT_EQ(Text(window->cboC1MatesTo), "N Female");
    ExpectNoBoxes();  // no picture of these cables or connectors: no error either
}

// ------------------------------------------------ connector attachment and grade

TEST_F(PageTwoTest, RegularOffersStandardWhenTheCableAllowsIt) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Click(window->rgConnectorAttachment, 1);
    EXPECT_EQ(window->rgConnectorAttachment->ItemIndex(), 1);
    EXPECT_TRUE(GradeEnabled(0));
    EXPECT_TRUE(GradeEnabled(1));
    EXPECT_EQ(window->rgConnectorGrade->ItemIndex(), 0);
    EXPECT_FALSE(window->imgVL->isVisible());
    EXPECT_EQ(Items(window->cboC1Description), (Texts{"(none)", "Low PIM", "RIGHT ANGLE"}));
    EXPECT_EQ(Items(window->cboC1Inner), (Texts{"Captivated"}));
    EXPECT_EQ(PictureFile(window->imgTop), "716dinmale.gif");

    // The premium cable has no standard-grade connectors.
    Click(window->rgConnectorGrade, 1);
    ASSERT_EQ(window->rgConnectorGrade->ItemIndex(), 1);
    Click(window->rgCableGrade, 1);
    EXPECT_EQ(Text(window->cboTLineData), "RVX4P-50K");
    EXPECT_FALSE(GradeEnabled(1));
    EXPECT_EQ(window->rgConnectorGrade->ItemIndex(), 0);
    ExpectNoBoxes();
}

TEST_F(PageTwoTest, StandardGradeOffersOnlyStandardConnectorChoices) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Click(window->rgConnectorAttachment, 1);
    Click(window->rgConnectorGrade, 1);
    EXPECT_EQ(window->connectorGradeIndex, 1);
    EXPECT_EQ(Items(window->cboC1MatesTo), kSixConnectors);
    EXPECT_EQ(Text(window->cboC1MatesTo), "7-16 DIN Male");
    // The plated connectors of that name have a right-angle, a low-PIM and a
    // captivated form; the standard one is soldered only.
    EXPECT_EQ(Items(window->cboC1Description), (Texts{"(none)"}));
    EXPECT_EQ(Items(window->cboC1Inner), (Texts{"Solder"}));
    EXPECT_EQ(Items(window->cboC2Description), (Texts{"(none)"}));
    EXPECT_EQ(Items(window->cboC2Inner), (Texts{"Solder"}));

    Pick(window->cboC1MatesTo, "N Male");
    EXPECT_EQ(Items(window->cboC1Description), (Texts{"(none)"}));
    EXPECT_EQ(Items(window->cboC1Inner), (Texts{"Solder"}));
    ExpectNoBoxes();
}

TEST_F(PageTwoTest, VelliskDisablesStandardAndSelectsPlated) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Click(window->rgConnectorAttachment, 1);
    Click(window->rgConnectorGrade, 1);
    ASSERT_FALSE(window->imgVL->isVisible());

    Click(window->rgConnectorAttachment, 0);
    EXPECT_EQ(window->rgConnectorAttachment->ItemIndex(), 0);
    EXPECT_FALSE(GradeEnabled(1));
    EXPECT_EQ(window->rgConnectorGrade->ItemIndex(), 0);
    EXPECT_TRUE(window->imgVL->isVisible());
    EXPECT_EQ(Items(window->cboC1Description), (Texts{"(none)", "RIGHT ANGLE"}));
    EXPECT_EQ(PictureFile(window->imgTop), "716dinmale_v.gif");
}

TEST_F(PageTwoTest, CableWithoutTheVelliskOptionForcesRegular) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Pick(window->cboTLineData, "RVX6-50K");
    EXPECT_FALSE(AttachmentEnabled(0));
    EXPECT_TRUE(AttachmentEnabled(1));
    EXPECT_EQ(window->rgConnectorAttachment->ItemIndex(), 1);
    EXPECT_FALSE(window->imgVL->isVisible());
    EXPECT_EQ(Items(window->cboC1MatesTo), (Texts{"7-16 DIN Female", "7-16 DIN Male", "N Female", "N Male"}));
    EXPECT_EQ(PictureFile(window->imgTop), "716dinmale.gif");
}

TEST_F(PageTwoTest, FeederNeverOffersVellisk) {
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(window->rgApp, 1);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    EXPECT_EQ(CablePartNumber(), "RVX4-50K");
    EXPECT_FALSE(AttachmentEnabled(0));
    EXPECT_EQ(window->rgConnectorAttachment->ItemIndex(), 1);
    EXPECT_FALSE(window->imgVL->isVisible());
    EXPECT_EQ(PictureFile(window->imgTop), "716dinmale.gif");
}

// ------------------------------------------------------------- connectors

TEST_F(PageTwoTest, PickingAConnectorRefillsItsChoices) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Pick(window->cboC1MatesTo, "4.3-10 Female");
    EXPECT_EQ(window->top.connectorName, "4.3-10 Female");
    EXPECT_EQ(Items(window->cboC1Description), (Texts{"(none)"}));
    EXPECT_EQ(Items(window->cboC1Inner), (Texts{"(N/A)"}));
    EXPECT_EQ(S(window->lblTopDescription->text()), "4.3-10 Female");
    EXPECT_EQ(PictureFile(window->imgTop), "4310female_v.gif");
    // The other end keeps its own choice.
    EXPECT_EQ(Text(window->cboC2MatesTo), "7-16 DIN Male");
    EXPECT_EQ(PictureFile(window->imgBottom), "716dinmale_v.gif");
}

TEST_F(PageTwoTest, EmptyCharacteristicAndInnerAreShownAsPlaceholders) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Click(window->rgConnectorAttachment, 1);
    Pick(window->cboC2Description, "Low PIM");
    EXPECT_EQ(Items(window->cboC2Inner), (Texts{"(N/A)"}));
    Pick(window->cboC2Description, "(none)");
    EXPECT_EQ(Items(window->cboC2Inner), (Texts{"Captivated"}));
    EXPECT_EQ(Text(window->cboC2Description), "(none)");
}

TEST_F(PageTwoTest, RightAngleCharacteristicShowsTheRightAnglePicture) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Pick(window->cboC1Description, "RIGHT ANGLE");
    EXPECT_EQ(PictureFile(window->imgTop), "716dinmale_ra_v.gif");
    EXPECT_EQ(Items(window->cboC1Inner), (Texts{"(N/A)"}));
    EXPECT_EQ(PictureFile(window->imgBottom), "716dinmale_v.gif");

    // Regular keeps the remembered characteristic where it exists.
    Click(window->rgConnectorAttachment, 1);
    EXPECT_EQ(Text(window->cboC1Description), "RIGHT ANGLE");
    EXPECT_EQ(PictureFile(window->imgTop), "716dinmale_ra.gif");
    EXPECT_EQ(Items(window->cboC1Inner), (Texts{"Captivated"}));
    EXPECT_EQ(PictureFile(window->imgBottom), "716dinmale.gif");
    ExpectNoBoxes();
}

TEST_F(PageTwoTest, RightAngleIsFoundInAnyLetterCase) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Pick(window->cboTLineData, "RVX2-50K");
    Click(window->rgConnectorAttachment, 1);
    Pick(window->cboC1MatesTo, "N Male");
    EXPECT_EQ(Items(window->cboC1Description), (Texts{"(none)", "Right Angle"}));
    // The picture list spells the name "n male".
    EXPECT_EQ(PictureFile(window->imgTop), "nmale.gif");
    Pick(window->cboC1Description, "Right Angle");
    EXPECT_EQ(PictureFile(window->imgTop), "nmale_ra.gif");
    ExpectNoBoxes();
}

TEST_F(PageTwoTest, MatesToRefillsWithMatingNamesAndRemembersTheChoice) {
    // Elliptical waveguide EWQ63: its "PDR70 Flange" mates with a "UDR70 Flange".
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(window->rgApp, 1);
    Click(window->rgCableType, 2);
    Type(window->cboBeginning, "5925");
    Type(window->cboEnding, "7125");
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    ASSERT_EQ(CablePartNumber(), "EWQ63");
    // No plated connectors for this waveguide: the standard grade is the one offered.
    EXPECT_FALSE(GradeEnabled(0));
    EXPECT_TRUE(GradeEnabled(1));
    EXPECT_EQ(window->rgConnectorGrade->ItemIndex(), 1);
    EXPECT_EQ(Items(window->cboC1MatesTo), (Texts{"CPR137F Flange", "CPR137G Flange", "PDR70 Flange"}));
    Pick(window->cboC1MatesTo, "PDR70 Flange");
    EXPECT_EQ(S(window->lblTopDescription->text()), "PDR70 Flange");

    Click(window->rbC1MatesTo);
    EXPECT_EQ(Items(window->cboC1MatesTo), (Texts{"CPR137F Flange", "CPR137G Flange", "UDR70 Flange"}));
    EXPECT_EQ(Text(window->cboC1MatesTo), "CPR137F Flange");
    EXPECT_EQ(window->top.connectorName, "CPR137F Flange");
    EXPECT_EQ(S(window->lblTopDescription->text()), "CPR137G Flange");
    EXPECT_EQ(Items(window->cboC1Description), (Texts{"(none)", "Pressure Window"}));
    EXPECT_EQ(PictureFile(window->imgTop), "cpr137gflange.gif");
    // The bottom end still chooses by the connector itself.
    EXPECT_TRUE(window->rbC2Actual->isChecked());
    EXPECT_EQ(Items(window->cboC2MatesTo), (Texts{"CPR137F Flange", "CPR137G Flange", "PDR70 Flange"}));

    Pick(window->cboC1MatesTo, "UDR70 Flange");
    EXPECT_EQ(S(window->lblTopDescription->text()), "PDR70 Flange");
    EXPECT_EQ(PictureFile(window->imgTop), "pdr70flange.gif");

    // Back to the connector itself: the remembered name is the mating name
    // chosen last, which is no connector of this cable.
    Click(window->rbC1Actual);
    EXPECT_EQ(Items(window->cboC1MatesTo), (Texts{"CPR137F Flange", "CPR137G Flange", "PDR70 Flange"}));
    EXPECT_EQ(Text(window->cboC1MatesTo), "CPR137F Flange");
    EXPECT_EQ(S(window->lblTopDescription->text()), "CPR137F Flange");
    ExpectNoBoxes();
}

TEST_F(PageTwoTest, MatesToKeepsTheRememberedNameWhenItIsAMatingName) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Click(window->rbC1MatesTo);
    EXPECT_TRUE(window->rbC1MatesTo->isChecked());
    EXPECT_EQ(Items(window->cboC1MatesTo), kSixConnectors);
    EXPECT_EQ(Text(window->cboC1MatesTo), "7-16 DIN Male");
    EXPECT_EQ(S(window->lblTopDescription->text()), "7-16 DIN Female");
    EXPECT_EQ(PictureFile(window->imgTop), "716dinfemale_v.gif");
}

class PageTwoMatesToLabelTest : public PageTwoTest {
  protected:
    void SetUp() override {
        PageTwoTest::SetUp();
        // Three connectors mate with "N Female", each a connector of its own.
        WriteCatalogue({
            "[T1]", "TLine=1|10000|T1|T1|FOAM|0.06|0.0002|1/2|S||Y|Y|Y|1|10|",
            "C1=1|P1|N Male||N Female|Captivated|P|R|",
            "C2=2|P2|N Male Solder||N Female|Solder|S|R|",
            "C3=3|P3|N Male Spring||N Female|Spring|P|R|",
            "C4=4|P4|7-16 DIN Male||7-16 DIN Female||P|S|", "",
        });
        ASSERT_NO_FATAL_FAILURE(Start());
        window->cboBeginning->SetText("1");
        window->cboEnding->SetText("10000");
        window->btnNext->click();
        ASSERT_EQ(Page(), 1) << ::testing::PrintToString(messages.calls);
        ASSERT_NO_FATAL_FAILURE(Click(window->rgConnectorAttachment, 1));
        ASSERT_NO_FATAL_FAILURE(Click(window->rbC1MatesTo));
        ASSERT_EQ(Items(window->cboC1MatesTo), (Texts{"N Female"}));
    }
};

TEST_F(PageTwoMatesToLabelTest, LabelNamesTheConnectorWithTheChosenInnerAttachment) {
    EXPECT_EQ(Items(window->cboC1Inner), (Texts{"Captivated", "Spring"}));
    EXPECT_EQ(S(window->lblTopDescription->text()), "N Male");
    Pick(window->cboC1Inner, "Spring");
    EXPECT_EQ(S(window->lblTopDescription->text()), "N Male Spring");
    EXPECT_EQ(window->top.innerName, "Spring");
    ExpectNoBoxes();
}

TEST_F(PageTwoMatesToLabelTest, LabelNamesTheConnectorOfTheChosenGrade) {
    Click(window->rgConnectorGrade, 1);
    EXPECT_EQ(Items(window->cboC1MatesTo), (Texts{"N Female"}));
    EXPECT_EQ(Items(window->cboC1Inner), (Texts{"Solder"}));
    EXPECT_EQ(S(window->lblTopDescription->text()), "N Male Solder");
    ExpectNoBoxes();
}

TEST_F(PageTwoMatesToLabelTest, RememberedInnerAttachmentComesBackWithItsGrade) {
    Pick(window->cboC1Inner, "Spring");
    Click(window->rgConnectorGrade, 1);
    ASSERT_EQ(S(window->lblTopDescription->text()), "N Male Solder");
    Click(window->rgConnectorGrade, 0);
    EXPECT_EQ(Text(window->cboC1Inner), "Spring");
    EXPECT_EQ(S(window->lblTopDescription->text()), "N Male Spring");
}

TEST_F(PageTwoMatesToLabelTest, ActualModeLabelIsTheChosenName) {
    Click(window->rbC1Actual);
    EXPECT_EQ(Items(window->cboC1MatesTo), (Texts{"N Male", "N Male Spring"}));
    Pick(window->cboC1MatesTo, "N Male Spring");
    EXPECT_EQ(S(window->lblTopDescription->text()), "N Male Spring");
    EXPECT_EQ(Items(window->cboC1Inner), (Texts{"Spring"}));
}

TEST_F(PageTwoTest, NoConnectorOfTheChosenKindLeavesTheEndEmpty) {
    WriteCatalogue({
        "[T2]", "TLine=1|10000|T2|T2|FOAM|0.06|0.0002|1/2|S||Y|Y|Y|1|10|",
        "C1=1|P1|N Male||N Female||P|S|", "",
    });
    ASSERT_NO_FATAL_FAILURE(Start());
    window->cboBeginning->SetText("1");
    window->cboEnding->SetText("10000");
    window->btnNext->click();
    ASSERT_EQ(Page(), 1) << ::testing::PrintToString(messages.calls);
    ASSERT_EQ(Text(window->cboC1MatesTo), "N Male");

    Click(window->rgConnectorAttachment, 1);
    for (quill::ComboBox* box : {window->cboC1MatesTo, window->cboC1Description, window->cboC1Inner,
                                 window->cboC2MatesTo, window->cboC2Description, window->cboC2Inner}) {
        EXPECT_TRUE(Items(box).empty()) << S(box->objectName());
        EXPECT_EQ(Text(box), "") << S(box->objectName());
    }
    ExpectNoBoxes();
}

TEST_F(PageTwoTest, LabelOfALeftOutEndKeepsTheLastName) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Pick(window->cboC1MatesTo, "N Female");
    Back();
    Click(window->rgApp, 1);
    Click(window->chkTopConnector);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    EXPECT_EQ(Text(window->cboC1MatesTo), "None");
    EXPECT_EQ(S(window->lblTopDescription->text()), "N Female");
}

// ------------------------------------------------------- missing pictures

TEST_F(PageTwoTest, ConnectorWithoutAPictureLineShowsNoPictureAndNoError) {
    RemoveImageLine("7-16 DIN Male|||716dinmale.gif|");
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Pick(window->cboC1MatesTo, "N Male");
    ASSERT_EQ(PictureFile(window->imgTop), "nmale_v.gif");

    Click(window->rgConnectorAttachment, 1);
    Pick(window->cboC1MatesTo, "7-16 DIN Male");
    ExpectNoBoxes();
    EXPECT_NE(PictureFile(window->imgTop), "nmale.gif") << "no picture of another connector";
    EXPECT_TRUE(PictureFile(window->imgTop) == "" || PictureFile(window->imgTop) == "noconnectors.gif")
        << PictureFile(window->imgTop);
    EXPECT_EQ(S(window->lblTopDescription->text()), "7-16 DIN Male");
    EXPECT_EQ(Items(window->cboC1Description), (Texts{"(none)", "Low PIM", "RIGHT ANGLE"}));
    EXPECT_EQ(Items(window->cboC1Inner), (Texts{"Captivated"}));

    // The lists follow every change, whether or not a picture exists.
    Pick(window->cboC1Description, "Low PIM");
    ExpectNoBoxes();
    EXPECT_EQ(Items(window->cboC1Inner), (Texts{"(N/A)"}));
    EXPECT_EQ(Text(window->cboC1Description), "Low PIM");

    Pick(window->cboC1Description, "RIGHT ANGLE");
    EXPECT_EQ(PictureFile(window->imgTop), "716dinmale_ra.gif");
    EXPECT_EQ(Items(window->cboC1Inner), (Texts{"Captivated"}));

    Pick(window->cboC1Description, "(none)");
    ExpectNoBoxes();
    EXPECT_NE(PictureFile(window->imgTop), "716dinmale_ra.gif");
}

TEST_F(PageTwoTest, MissingCablePictureIsSilentAndTheConnectorsStillFill) {
    fs::remove(ProgramFile("images/RVX4-50K.gif"));
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    ExpectNoBoxes();
    EXPECT_EQ(CablePartNumber(), "RVX4-50K");
    EXPECT_FALSE(window->imgCable->HasPicture());
    EXPECT_EQ(S(window->edtTlineSize->text()), "1/2 in.");
    EXPECT_EQ(Items(window->cboC1MatesTo), kSixConnectors);
    EXPECT_EQ(Text(window->cboC1MatesTo), "7-16 DIN Male");
    EXPECT_EQ(Items(window->cboC2Description), (Texts{"(none)", "RIGHT ANGLE"}));
    EXPECT_EQ(PictureFile(window->imgTop), "716dinmale_v.gif");
    EXPECT_FALSE(GradeEnabled(1));

    Pick(window->cboTLineData, "RVX2-50K");
    ASSERT_EQ(PictureFile(window->imgCable), "RVX2-50K.gif");
    Click(window->rgConnectorAttachment, 1);
    Pick(window->cboTLineData, "RVX4-50K");
    ExpectNoBoxes();
    EXPECT_FALSE(window->imgCable->HasPicture()) << "no picture of another cable";
    EXPECT_EQ(Items(window->cboC1Description), (Texts{"(none)", "Low PIM", "RIGHT ANGLE"}));
    EXPECT_TRUE(GradeEnabled(1));
}

// --------------------------------------------------------- ends left out

TEST_F(PageTwoTest, FeederWithOnlyTheBottomConnectorLeavesTheTopEmpty) {
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(window->rgApp, 1);
    Click(window->chkTopConnector);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());

    const auto expectTopEmpty = [&](const char* after) {
        EXPECT_EQ(Text(window->cboC1MatesTo), "None") << after;
        EXPECT_EQ(Text(window->cboC1Description), "N/A") << after;
        EXPECT_EQ(Text(window->cboC1Inner), "N/A") << after;
        EXPECT_EQ(PictureFile(window->imgTop), "noconnectors.gif") << after;
        for (QWidget* control : std::initializer_list<QWidget*>{window->cboC1MatesTo, window->rbC1Actual,
                                                                window->rbC1MatesTo, window->cboC1Description,
                                                                window->cboC1Inner})
            EXPECT_FALSE(control->isEnabled()) << after << ": " << S(control->objectName());
        EXPECT_TRUE(window->cboC2MatesTo->isEnabled()) << after;
        EXPECT_FALSE(Text(window->cboC2MatesTo).empty()) << after;
        EXPECT_TRUE(window->rgConnectorAttachment->isEnabled()) << after;
        EXPECT_TRUE(window->rgConnectorGrade->isEnabled()) << after;
    };
    expectTopEmpty("arrival");
    EXPECT_EQ(Text(window->cboC2MatesTo), "7-16 DIN Male");

    Click(window->rgCableGrade, 1);
    expectTopEmpty("premium grade");
    Pick(window->cboTLineData, "RVX2P-50K");
    expectTopEmpty("another cable");
    Click(window->rgCableGrade, 0);
    Click(window->rgConnectorGrade, 1);
    ASSERT_EQ(window->rgConnectorGrade->ItemIndex(), 1);
    expectTopEmpty("standard connectors");
    Click(window->rgConnectorAttachment, 1);
    Click(window->rbC2MatesTo);
    expectTopEmpty("bottom by mating name");
    ExpectNoBoxes();
}

TEST_F(PageTwoTest, FeederWithoutConnectorsDisablesEveryConnectorChoice) {
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(window->rgApp, 1);
    Click(window->chkTopConnector);
    Click(window->chkBottomConnector);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    EXPECT_EQ(Text(window->cboC1MatesTo), "None");
    EXPECT_EQ(Text(window->cboC2MatesTo), "None");
    EXPECT_EQ(Text(window->cboC2Description), "N/A");
    EXPECT_EQ(Text(window->cboC2Inner), "N/A");
    EXPECT_EQ(PictureFile(window->imgBottom), "noconnectors.gif");
    EXPECT_FALSE(window->rgConnectorAttachment->isEnabled());
    EXPECT_FALSE(window->rgConnectorGrade->isEnabled());
    EXPECT_EQ(Text(window->cboTLineData), "RVX4-50K");
    Click(window->rgCableGrade, 1);
    EXPECT_EQ(Text(window->cboTLineData), "RVX4P-50K");
    EXPECT_EQ(Text(window->cboC2MatesTo), "None");
    ExpectNoBoxes();
}

// ------------------------------------------------------------- waveguide

TEST_F(PageTwoTest, WaveguideShowsNoDiameter) {
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(window->rgApp, 1);
    Click(window->rgCableType, 2);
    Type(window->cboBeginning, "1700");
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    EXPECT_EQ(CablePartNumber(), "EWQ20");
    EXPECT_FALSE(window->edtTlineSize->isVisible());
    EXPECT_FALSE(window->lblDiameter->isVisible());
    EXPECT_EQ(PictureFile(window->imgCable), "EWQ20.gif");
    EXPECT_EQ(Text(window->cboC1MatesTo), "CPR430F Flange");

    Back();
    Click(window->rgCableType, 1);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    EXPECT_TRUE(window->edtTlineSize->isVisible());
    EXPECT_TRUE(window->lblDiameter->isVisible());
}

// --------------------------------------------------- remembered choices

TEST_F(PageTwoTest, ChoicesAreRememberedAcrossBackAndStartOver) {
    ASSERT_NO_FATAL_FAILURE(StartOnPageTwo());
    Click(window->rgCableGrade, 1);
    Pick(window->cboTLineData, "RVX2P-50K");
    Click(window->rgConnectorAttachment, 1);
    Pick(window->cboC1MatesTo, "N Female");
    Pick(window->cboC2MatesTo, "4.3-10 Male");
    Pick(window->cboC2Description, "RIGHT ANGLE");

    const auto expectRemembered = [&](const char* after) {
        EXPECT_EQ(window->rgCableGrade->ItemIndex(), 1) << after;
        EXPECT_EQ(Text(window->cboTLineData), "RVX2P-50K") << after;
        EXPECT_EQ(window->rgConnectorAttachment->ItemIndex(), 1) << after;
        EXPECT_EQ(window->rgConnectorGrade->ItemIndex(), 0) << after;
        EXPECT_EQ(Text(window->cboC1MatesTo), "N Female") << after;
        EXPECT_EQ(Text(window->cboC2MatesTo), "4.3-10 Male") << after;
        EXPECT_EQ(Text(window->cboC2Description), "RIGHT ANGLE") << after;
        EXPECT_EQ(PictureFile(window->imgBottom), "4310male_ra.gif") << after;
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
    Click(window->rgApp, 1);
    Click(window->chkTopConnector);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    ASSERT_EQ(Text(window->cboC1MatesTo), "None");
    Back();
    Click(window->chkTopConnector);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    for (QWidget* control : std::initializer_list<QWidget*>{window->cboC1MatesTo, window->rbC1Actual,
                                                            window->rbC1MatesTo, window->cboC1Description,
                                                            window->cboC1Inner})
        EXPECT_TRUE(control->isEnabled()) << S(control->objectName());
    EXPECT_EQ(Items(window->cboC1MatesTo), kSixConnectors);
    EXPECT_EQ(Text(window->cboC1MatesTo), "7-16 DIN Male");
    EXPECT_EQ(Items(window->cboC1Description), (Texts{"(none)", "Low PIM", "RIGHT ANGLE"}));
    EXPECT_EQ(Text(window->cboC1Inner), "Captivated");
    EXPECT_EQ(PictureFile(window->imgTop), "716dinmale.gif");
    ExpectNoBoxes();
}

TEST_F(PageTwoTest, JumperAfterFeederOffersVelliskAgain) {
    ASSERT_NO_FATAL_FAILURE(Start());
    Click(window->rgApp, 1);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    ASSERT_EQ(window->rgConnectorAttachment->ItemIndex(), 1);
    Back();
    Click(window->rgApp, 0);
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    EXPECT_TRUE(AttachmentEnabled(0));
    EXPECT_EQ(window->rgConnectorAttachment->ItemIndex(), 0);
    EXPECT_TRUE(window->imgVL->isVisible());
    EXPECT_EQ(Text(window->cboC1MatesTo), "7-16 DIN Male");
    EXPECT_EQ(Text(window->cboC1Description), "(none)");
}

}  // namespace
}  // namespace wizard
