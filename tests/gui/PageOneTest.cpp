// Page 1: application, length, frequency band, cable type and, for a feeder,
// the ends that carry a connector.

#include "WizardFixture.h"

namespace wizard {
namespace {

using Call = quill::fakes::FakeMessages::Call;

class PageOneTest : public WizardFixture {
  protected:
    void SetUp() override {
        WizardFixture::SetUp();
        ASSERT_NO_FATAL_FAILURE(Start());
    }
    void ChooseFeeder() { ASSERT_NO_FATAL_FAILURE(Click(ui().rgApp, 1)); }
    void ChooseJumper() { ASSERT_NO_FATAL_FAILURE(Click(ui().rgApp, 0)); }
    bool FeederItemEnabled(int item) const { return ui().rgFeeder->Button(item)->isEnabled(); }
};

// ------------------------------------------------------------- application

TEST_F(PageOneTest, FeederOffersConnectorEndsFeederLengthsAndWaveguide) {
    ChooseFeeder();
    EXPECT_EQ(ui().rgApp->ItemIndex(), 1);
    EXPECT_TRUE(ui().rgFeeder->isVisible());
    EXPECT_EQ(ui().rgFeeder->ItemIndex(), 0);
    EXPECT_EQ(S(ui().rgFeeder->Button(0)->text()), "Both Connectors");
    EXPECT_TRUE(ui().gbxConnectors->isVisible());
    EXPECT_TRUE(ui().imgFeeder->isVisible());
    EXPECT_FALSE(ui().imgTopJumper->isVisible());
    EXPECT_FALSE(ui().imgBottomJumper->isVisible());
    EXPECT_EQ(Items(ui().cboLength), Range(100, 500));
    EXPECT_EQ(Text(ui().cboLength), "200");
    EXPECT_EQ(ui().cboLength->ItemIndex(), 100);
    EXPECT_TRUE(ui().rgCableType->Button(2)->isEnabled());
    EXPECT_EQ(ui().rgCableType->ItemIndex(), 1);
    EXPECT_TRUE(messages.calls.empty()) << ::testing::PrintToString(messages.calls);
}

TEST_F(PageOneTest, FeederThenJumperRestoresTheJumperChoices) {
    ChooseFeeder();
    Click(ui().rgCableType, 2);
    Click(ui().chkTopConnector);
    Click(ui().chkBottomConnector);
    ASSERT_EQ(ui().rgCableType->ItemIndex(), 2);
    ASSERT_FALSE(ui().chkTopConnector->isChecked());

    ChooseJumper();
    EXPECT_EQ(ui().rgCableType->ItemIndex(), 1) << "Foam Coaxial";
    EXPECT_TRUE(ui().chkTopConnector->isChecked());
    EXPECT_TRUE(ui().chkBottomConnector->isChecked());
    EXPECT_FALSE(ui().rgCableType->Button(2)->isEnabled());
    EXPECT_EQ(Items(ui().cboLength), Range(1, 50));
    EXPECT_EQ(Text(ui().cboLength), "6");
    EXPECT_FALSE(ui().rgFeeder->isVisible());
    EXPECT_FALSE(ui().gbxConnectors->isVisible());
    EXPECT_FALSE(ui().imgFeeder->isVisible());
    EXPECT_TRUE(ui().imgTopJumper->isVisible());
    EXPECT_TRUE(ui().imgBottomJumper->isVisible());
}

TEST_F(PageOneTest, UncheckingTheTopConnectorLeavesOnlyTheBottom) {
    ChooseFeeder();
    Click(ui().chkTopConnector);
    EXPECT_EQ(ui().rgFeeder->ItemIndex(), 2);
    EXPECT_EQ(S(ui().rgFeeder->Button(2)->text()), "Bottom Connector ONLY");
    EXPECT_FALSE(FeederItemEnabled(0));
    EXPECT_FALSE(FeederItemEnabled(1));
    EXPECT_TRUE(FeederItemEnabled(2));
    EXPECT_TRUE(FeederItemEnabled(3));
}

// The item and the ends never disagree: an item names the ends that get a
// connector, and page 2 and the parts list follow them.
TEST_F(PageOneTest, ClickingAFeederItemGivesConnectorsToTheEndsItNames) {
    ChooseFeeder();
    Click(ui().rgFeeder, 1);
    EXPECT_EQ(ui().rgFeeder->ItemIndex(), 1);
    EXPECT_TRUE(ui().chkTopConnector->isChecked());
    EXPECT_FALSE(ui().chkBottomConnector->isChecked());
    EXPECT_FALSE(FeederItemEnabled(0));
    Click(ui().rgFeeder, 3);
    EXPECT_FALSE(ui().chkTopConnector->isChecked());
    EXPECT_FALSE(FeederItemEnabled(1));
    ASSERT_NO_FATAL_FAILURE(GoToPageTwo());
    EXPECT_EQ(Text(ui().cboC1MatesTo), "None");
    EXPECT_EQ(Text(ui().cboC2MatesTo), "None");
}

// ------------------------------------------------------------------ length

// A text that is no number warns once when the box is left, never while it
// is typed ("2," on the way to "2,5"), and stays, selected; Next refuses it
// and puts the focus there; no quote is made for a value the user did not type.
TEST_F(PageOneTest, ATextThatIsNoNumberWarnsOnceWhenLeftAndStaysForCorrection) {
    for (quill::ComboBox* box : {ui().cboLength, ui().cboEnding}) {
        messages.calls.clear();
        Focus(box);
        Type(box, "2,5");
        EXPECT_TRUE(messages.calls.empty()) << "a warning while typing";
        EXPECT_EQ(Text(box), "2,5");
        Focus(box == ui().cboLength ? ui().cboEnding : ui().cboLength);
        EXPECT_EQ(messages.calls, (Calls{{"beep", ""}, {"warning", kNotNumeric}}));
        EXPECT_EQ(Text(box), "2,5");
        EXPECT_EQ(box->lineEdit()->selectedText(), "2,5");
        Focus(box);
        QTest::keyClicks(box->lineEdit(), "en");
        Focus(box == ui().cboLength ? ui().cboEnding : ui().cboBeginning);
        EXPECT_EQ(messages.Boxes().size(), 1u);  // once
        messages.calls.clear();
        ui().btnNext->click();
        EXPECT_EQ(messages.Boxes(), (Calls{{"warning", kNotNumeric}}));
        EXPECT_EQ(Page(), 0);
        EXPECT_TRUE(box->hasFocus());
        EXPECT_EQ(box->lineEdit()->selectedText(), Text(box).c_str());
        Type(box, box == ui().cboLength ? "10" : "2200");  // a number: the next fault warns again
    }
}

TEST_F(PageOneTest, AnyNumberIsAcceptedAsLength) {
    Type(ui().cboLength, "12.5");
    EXPECT_TRUE(messages.calls.empty()) << ::testing::PrintToString(messages.calls);
    EXPECT_EQ(Text(ui().cboLength), "12.5");
}

TEST_F(PageOneTest, ChangingTheUnitKeepsTheLength) {
    Type(ui().cboLength, "12");
    Click(ui().rbMeters);
    EXPECT_TRUE(ui().rbMeters->isChecked());
    EXPECT_FALSE(ui().rbFeet->isChecked());
    EXPECT_EQ(Text(ui().cboLength), "12");
    EXPECT_EQ(Items(ui().cboLength), Range(1, 50));
}

// ---------------------------------------------------------------- the band

TEST_F(PageOneTest, BeginningAboveEndingIsRefused) {
    // Texts set without leaving the boxes, so that only the check on Next acts.
    ui().cboBeginning->SetText("1000");
    ui().cboEnding->SetText("800");
    ui().btnNext->click();
    EXPECT_EQ(messages.calls,
              (Calls{{"beep", ""},
                     {"error", "Ending frequency must be greater than beginning frequency."}}));
    EXPECT_EQ(Page(), 0);
}

TEST_F(PageOneTest, EqualBeginningAndEndingPass) {
    ui().cboBeginning->SetText("800");
    ui().cboEnding->SetText("800");
    ui().btnNext->click();
    EXPECT_TRUE(messages.calls.empty()) << ::testing::PrintToString(messages.calls);
    EXPECT_EQ(Page(), 1);
}

TEST_F(PageOneTest, LeavingTheBeginningOffersOnlyHigherEndings) {
    Type(ui().cboBeginning, "1700");
    Focus(ui().cboEnding);
    EXPECT_EQ(Items(ui().cboEnding),
              (Texts{"2000", "2200", "2300", "2500", "2700", "3300", "3600", "4200", "5000", "5200",
                     "6000", "7125", "8500", "8800", "10000", "10200", "13400"}));
    EXPECT_EQ(Text(ui().cboEnding), "2200");
    EXPECT_EQ(ui().cboEnding->ItemIndex(), 1);
}

TEST_F(PageOneTest, LeavingTheEndingBelowTheBeginningOffersOnlyLowerBeginnings) {
    // 1000 and 900 are no ends of any bundled cable; the beginnings below 900
    // are 1, 30 and 800.
    Type(ui().cboBeginning, "1000");
    Focus(ui().cboEnding);
    ASSERT_EQ(Text(ui().cboEnding), "2200");
    Type(ui().cboEnding, "900");
    Focus(ui().cboLength);
    EXPECT_EQ(Items(ui().cboBeginning), (Texts{"1", "30", "800"}));
    EXPECT_EQ(Text(ui().cboBeginning), "800");
    EXPECT_EQ(ui().cboBeginning->ItemIndex(), 2);
    EXPECT_EQ(Text(ui().cboEnding), "900");
    EXPECT_TRUE(messages.calls.empty()) << ::testing::PrintToString(messages.calls);
}

TEST_F(PageOneTest, LettersAsFrequencyWarnWhenTheBoxIsLeft) {
    Type(ui().cboBeginning, "abc");
    EXPECT_TRUE(messages.calls.empty()) << "nothing is checked while typing";
    Focus(ui().cboLength);
    EXPECT_EQ(messages.calls, (Calls{{"beep", ""}, {"warning", kNotNumeric}}));
    EXPECT_EQ(Text(ui().cboBeginning), "abc");  // kept for the user to correct
}

TEST_F(PageOneTest, NextWithAnEmptyLengthAsksForANumberThere) {
    Erase(ui().cboLength);
    EXPECT_TRUE(messages.calls.empty()) << ::testing::PrintToString(messages.calls);
    Next();
    EXPECT_EQ(messages.calls, (Calls{{"beep", ""}, {"warning", kNotNumeric}}));
    EXPECT_EQ(Page(), 0);
    EXPECT_TRUE(ui().cboLength->hasFocus());
}

TEST_F(PageOneTest, LeavingAnEmptyBeginningIsNoErrorAndNarrowsNothing) {
    const Texts endings = Items(ui().cboEnding);
    Erase(ui().cboBeginning);
    Focus(ui().cboLength);
    EXPECT_TRUE(messages.calls.empty()) << ::testing::PrintToString(messages.calls);
    EXPECT_EQ(Items(ui().cboEnding), endings);
    EXPECT_EQ(Text(ui().cboEnding), "2200");
}

// ------------------------------------------------------------ cable matching

TEST_F(PageOneTest, NoCableOfTheTypeForTheBandWarnsAndStays) {
    // No air cable reaches 13400 MHz.
    Click(ui().rgCableType, 0);
    Type(ui().cboEnding, "13400");
    Next();
    EXPECT_EQ(messages.calls, (Calls{{"beep", ""}, {"warning", kNoMatch}}));
    EXPECT_EQ(Page(), 0);
}

// The default band begins below every waveguide's cut-off, and the warning says so.
TEST_F(PageOneTest, NoWaveguideForTheDefaultBandWarns) {
    ChooseFeeder();
    Click(ui().rgCableType, 2);
    Next();
    ASSERT_EQ(messages.Boxes().size(), 1u);
    EXPECT_EQ(messages.Boxes()[0].text.rfind(kNoMatch, 0), 0u);
    EXPECT_NE(messages.Boxes()[0].text.find("cut-off"), std::string::npos);
    EXPECT_EQ(Page(), 0);
}

TEST_F(PageOneTest, TheBandKeepsTheCablesThatCarryItOfTheChosenType) {
    GoToPageTwo();
    Texts partNumbers;
    for (const auto* cable : window->Session().BandMatchedCables())
        partNumbers.push_back(cable->partNumber);
    EXPECT_EQ(partNumbers,
              (Texts{"RVX1-50K", "RVX1P-50K", "RVX1R-50K", "RVX2-50K", "RVX2P-50K", "RVX2R-50K",
                     "RVX4-50K", "RVX4P-50K", "RVX4R-50K", "RVX5-50K", "RVX5P-50K", "RVX5R-50K",
                     "RVX6-50K", "RVX6P-50K", "RVX7-50K", "RVX7P-50K"}));
}

// ---------------------------------------------------- values that stay put

TEST_F(PageOneTest, BackAndStartOverKeepWhatPageOneShows) {
    Type(ui().cboLength, "12");
    Click(ui().rbMeters);
    Click(ui().rgCableType, 0);
    Type(ui().cboBeginning, "30");
    Focus(ui().cboEnding);
    GoToPageTwo();

    const auto expectKept = [&](const char* how) {
        EXPECT_EQ(Page(), 0) << how;
        EXPECT_EQ(ui().rgApp->ItemIndex(), 0) << how;
        EXPECT_EQ(Text(ui().cboLength), "12") << how;
        EXPECT_TRUE(ui().rbMeters->isChecked()) << how;
        EXPECT_EQ(ui().rgCableType->ItemIndex(), 0) << how;
        EXPECT_EQ(Text(ui().cboBeginning), "30") << how;
        EXPECT_EQ(Text(ui().cboEnding), "2200") << how;
    };
    Back();
    expectKept("Back");
    GoToPageTwo();
    StartOver();
    expectKept("Start Over");
}

TEST_F(PageOneTest, FeederChoicesSurviveAVisitOfPageTwo) {
    ChooseFeeder();
    Click(ui().chkTopConnector);
    Type(ui().cboLength, "250");
    GoToPageTwo();
    Back();
    EXPECT_EQ(ui().rgApp->ItemIndex(), 1);
    EXPECT_TRUE(ui().rgFeeder->isVisible());
    EXPECT_EQ(ui().rgFeeder->ItemIndex(), 2);
    EXPECT_FALSE(ui().chkTopConnector->isChecked());
    EXPECT_TRUE(ui().chkBottomConnector->isChecked());
    EXPECT_EQ(Text(ui().cboLength), "250");
}

}  // namespace
}  // namespace wizard
