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
    void ChooseFeeder() { ASSERT_NO_FATAL_FAILURE(Click(window->rgApp, 1)); }
    void ChooseJumper() { ASSERT_NO_FATAL_FAILURE(Click(window->rgApp, 0)); }
    bool FeederItemEnabled(int item) const { return window->rgFeeder->Button(item)->isEnabled(); }
};

// ------------------------------------------------------------- application

TEST_F(PageOneTest, FeederOffersConnectorEndsFeederLengthsAndWaveguide) {
    ChooseFeeder();
    EXPECT_EQ(window->rgApp->ItemIndex(), 1);
    EXPECT_TRUE(window->rgFeeder->isVisible());
    EXPECT_EQ(window->rgFeeder->ItemIndex(), 0);
    EXPECT_EQ(S(window->rgFeeder->Button(0)->text()), "Both Connectors");
    EXPECT_TRUE(window->gbxConnectors->isVisible());
    EXPECT_TRUE(window->imgFeeder->isVisible());
    EXPECT_FALSE(window->imgTopJumper->isVisible());
    EXPECT_FALSE(window->imgBottomJumper->isVisible());
    EXPECT_EQ(Items(window->cboLength), Range(100, 500));
    EXPECT_EQ(Text(window->cboLength), "200");
    EXPECT_EQ(window->cboLength->ItemIndex(), 100);
    EXPECT_TRUE(window->rgCableType->Button(2)->isEnabled());
    EXPECT_EQ(window->rgCableType->ItemIndex(), 1);
    EXPECT_TRUE(messages.calls.empty()) << ::testing::PrintToString(messages.calls);
}

TEST_F(PageOneTest, FeederThenJumperRestoresTheJumperChoices) {
    ChooseFeeder();
    Click(window->rgCableType, 2);
    Click(window->chkTopConnector);
    Click(window->chkBottomConnector);
    ASSERT_EQ(window->rgCableType->ItemIndex(), 2);
    ASSERT_FALSE(window->chkTopConnector->isChecked());

    ChooseJumper();
    EXPECT_EQ(window->rgCableType->ItemIndex(), 1) << "Foam Coaxial";
    EXPECT_TRUE(window->chkTopConnector->isChecked());
    EXPECT_TRUE(window->chkBottomConnector->isChecked());
    EXPECT_FALSE(window->rgCableType->Button(2)->isEnabled());
    EXPECT_EQ(Items(window->cboLength), Range(1, 50));
    EXPECT_EQ(Text(window->cboLength), "6");
    EXPECT_FALSE(window->rgFeeder->isVisible());
    EXPECT_FALSE(window->gbxConnectors->isVisible());
    EXPECT_FALSE(window->imgFeeder->isVisible());
    EXPECT_TRUE(window->imgTopJumper->isVisible());
    EXPECT_TRUE(window->imgBottomJumper->isVisible());
}

TEST_F(PageOneTest, UncheckingTheTopConnectorLeavesOnlyTheBottom) {
    ChooseFeeder();
    Click(window->chkTopConnector);
    EXPECT_EQ(window->rgFeeder->ItemIndex(), 2);
    EXPECT_EQ(S(window->rgFeeder->Button(2)->text()), "Bottom Connector ONLY");
    EXPECT_FALSE(FeederItemEnabled(0));
    EXPECT_FALSE(FeederItemEnabled(1));
    EXPECT_TRUE(FeederItemEnabled(2));
    EXPECT_TRUE(FeederItemEnabled(3));
}

TEST_F(PageOneTest, UncheckingTheBottomConnectorLeavesOnlyTheTop) {
    ChooseFeeder();
    Click(window->chkBottomConnector);
    EXPECT_EQ(window->rgFeeder->ItemIndex(), 1);
    EXPECT_FALSE(FeederItemEnabled(0));
    EXPECT_TRUE(FeederItemEnabled(1));
    EXPECT_FALSE(FeederItemEnabled(2));
}

TEST_F(PageOneTest, UncheckingBothConnectorsMeansNoConnectors) {
    ChooseFeeder();
    Click(window->chkTopConnector);
    Click(window->chkBottomConnector);
    EXPECT_EQ(window->rgFeeder->ItemIndex(), 3);
    EXPECT_EQ(S(window->rgFeeder->Button(3)->text()), "No Connectors");
    EXPECT_FALSE(FeederItemEnabled(0));
    EXPECT_FALSE(FeederItemEnabled(1));
    EXPECT_FALSE(FeederItemEnabled(2));
    EXPECT_TRUE(FeederItemEnabled(3));

    Click(window->chkTopConnector);
    Click(window->chkBottomConnector);
    EXPECT_EQ(window->rgFeeder->ItemIndex(), 0);
    for (int item = 0; item < 4; ++item) EXPECT_TRUE(FeederItemEnabled(item)) << item;
}

TEST_F(PageOneTest, ClickingAFeederItemChangesOnlyThatChoice) {
    ChooseFeeder();
    Click(window->rgFeeder, 3);
    EXPECT_EQ(window->rgFeeder->ItemIndex(), 3);
    EXPECT_TRUE(window->chkTopConnector->isChecked());
    EXPECT_TRUE(window->chkBottomConnector->isChecked());
}

// ------------------------------------------------------------------ length

TEST_F(PageOneTest, LettersAsLengthWarnAndShowTheFirstLength) {
    Type(window->cboLength, "x");
    EXPECT_EQ(messages.calls, (Calls{{"beep", ""}, {"warning", kNotNumeric}}));
    EXPECT_EQ(Text(window->cboLength), "1");
}

TEST_F(PageOneTest, LettersAsFeederLengthShowTheFirstFeederLength) {
    ChooseFeeder();
    Type(window->cboLength, "x");
    EXPECT_EQ(messages.Boxes(), (Calls{{"warning", kNotNumeric}}));
    EXPECT_EQ(Text(window->cboLength), "100");
}

TEST_F(PageOneTest, AnyNumberIsAcceptedAsLength) {
    Type(window->cboLength, "12.5");
    EXPECT_TRUE(messages.calls.empty()) << ::testing::PrintToString(messages.calls);
    EXPECT_EQ(Text(window->cboLength), "12.5");
}

TEST_F(PageOneTest, ChangingTheUnitKeepsTheLength) {
    Type(window->cboLength, "12");
    Click(window->rbMeters);
    EXPECT_TRUE(window->rbMeters->isChecked());
    EXPECT_FALSE(window->rbFeet->isChecked());
    EXPECT_EQ(Text(window->cboLength), "12");
    EXPECT_EQ(Items(window->cboLength), Range(1, 50));
}

// ---------------------------------------------------------------- the band

TEST_F(PageOneTest, BeginningAboveEndingIsRefused) {
    // Texts set without leaving the boxes, so that only the check on Next acts.
    window->cboBeginning->SetText("1000");
    window->cboEnding->SetText("800");
    window->btnNext->click();
    EXPECT_EQ(messages.calls,
              (Calls{{"beep", ""},
                     {"error", "Ending frequency must be greater than beginning frequency."}}));
    EXPECT_EQ(Page(), 0);
}

TEST_F(PageOneTest, EqualBeginningAndEndingPass) {
    window->cboBeginning->SetText("800");
    window->cboEnding->SetText("800");
    window->btnNext->click();
    EXPECT_TRUE(messages.calls.empty()) << ::testing::PrintToString(messages.calls);
    EXPECT_EQ(Page(), 1);
}

TEST_F(PageOneTest, LeavingTheBeginningOffersOnlyHigherEndings) {
    Type(window->cboBeginning, "1700");
    Focus(window->cboEnding);
    EXPECT_EQ(Items(window->cboEnding),
              (Texts{"2000", "2200", "2300", "2500", "2700", "3300", "3600", "4200", "5000", "5200",
                     "6000", "7125", "8500", "8800", "10000", "10200", "13400"}));
    EXPECT_EQ(Text(window->cboEnding), "2200");
    EXPECT_EQ(window->cboEnding->ItemIndex(), 1);
}

TEST_F(PageOneTest, LeavingABeginningAboveTheEndingSelectsTheFirstHigherEnding) {
    Type(window->cboBeginning, "3400");
    Focus(window->cboLength);
    EXPECT_EQ(Items(window->cboEnding).front(), "3600");
    EXPECT_EQ(Text(window->cboEnding), "3600");
    EXPECT_EQ(window->cboEnding->ItemIndex(), 0);
    EXPECT_TRUE(messages.calls.empty()) << ::testing::PrintToString(messages.calls);
}

TEST_F(PageOneTest, TypedEndingNotInTheListIsKeptAtTheEnd) {
    Type(window->cboEnding, "2100");
    Focus(window->cboBeginning);
    Focus(window->cboLength);
    EXPECT_EQ(Text(window->cboEnding), "2100");
    EXPECT_EQ(Items(window->cboEnding).back(), "2100");
}

TEST_F(PageOneTest, LeavingTheEndingBelowTheBeginningOffersOnlyLowerBeginnings) {
    // 1000 and 900 are no ends of any bundled cable; the beginnings below 900
    // are 1, 30 and 800.
    Type(window->cboBeginning, "1000");
    Focus(window->cboEnding);
    ASSERT_EQ(Text(window->cboEnding), "2200");
    Type(window->cboEnding, "900");
    Focus(window->cboLength);
    EXPECT_EQ(Items(window->cboBeginning), (Texts{"1", "30", "800"}));
    EXPECT_EQ(Text(window->cboBeginning), "800");
    EXPECT_EQ(window->cboBeginning->ItemIndex(), 2);
    EXPECT_EQ(Text(window->cboEnding), "900");
    EXPECT_TRUE(messages.calls.empty()) << ::testing::PrintToString(messages.calls);
}

TEST_F(PageOneTest, TypedBeginningNotInTheListIsKeptWhenTheEndingIsLeft) {
    Type(window->cboBeginning, "850");
    Focus(window->cboEnding);
    Focus(window->cboLength);
    EXPECT_EQ(Items(window->cboBeginning), (Texts{"1", "30", "800", "1700", "850"}));
    EXPECT_EQ(Text(window->cboBeginning), "850");
    EXPECT_EQ(Text(window->cboEnding), "2200");
}

TEST_F(PageOneTest, LettersAsFrequencyWarnWhenTheBoxIsLeft) {
    Type(window->cboBeginning, "abc");
    EXPECT_TRUE(messages.calls.empty()) << "nothing is checked while typing";
    Focus(window->cboLength);
    EXPECT_EQ(messages.calls, (Calls{{"beep", ""}, {"warning", kNotNumeric}}));
    EXPECT_EQ(Text(window->cboBeginning), "1");
}

TEST_F(PageOneTest, NextWithAnEmptyLengthAsksForANumberThere) {
    Erase(window->cboLength);
    EXPECT_TRUE(messages.calls.empty()) << ::testing::PrintToString(messages.calls);
    Next();
    EXPECT_EQ(messages.calls, (Calls{{"beep", ""}, {"warning", kNotNumeric}}));
    EXPECT_EQ(Page(), 0);
    EXPECT_TRUE(window->cboLength->hasFocus());
}

TEST_F(PageOneTest, LeavingAnEmptyBeginningIsNoErrorAndNarrowsNothing) {
    const Texts endings = Items(window->cboEnding);
    Erase(window->cboBeginning);
    Focus(window->cboLength);
    EXPECT_TRUE(messages.calls.empty()) << ::testing::PrintToString(messages.calls);
    EXPECT_EQ(Items(window->cboEnding), endings);
    EXPECT_EQ(Text(window->cboEnding), "2200");
}

TEST_F(PageOneTest, ABeginningSpelledDifferentlyIsADifferentItem) {
    Type(window->cboBeginning, "800.0");
    Focus(window->cboEnding);
    Focus(window->cboLength);
    EXPECT_EQ(Items(window->cboBeginning), (Texts{"1", "30", "800", "1700", "800.0"}));
    EXPECT_EQ(Text(window->cboBeginning), "800.0");
}

// ------------------------------------------------------------ cable matching

TEST_F(PageOneTest, NoCableOfTheTypeForTheBandWarnsAndStays) {
    // No air cable reaches 13400 MHz.
    Click(window->rgCableType, 0);
    Type(window->cboEnding, "13400");
    Next();
    EXPECT_EQ(messages.calls, (Calls{{"beep", ""}, {"warning", kNoMatch}}));
    EXPECT_EQ(Page(), 0);
}

TEST_F(PageOneTest, NoWaveguideForTheDefaultBandWarns) {
    ChooseFeeder();
    Click(window->rgCableType, 2);
    Next();
    EXPECT_EQ(messages.Boxes(), (Calls{{"warning", kNoMatch}}));
    EXPECT_EQ(Page(), 0);
}

TEST_F(PageOneTest, TheBandKeepsTheCablesThatCarryItOfTheChosenType) {
    GoToPageTwo();
    Texts partNumbers;
    for (const auto* cable : window->BandMatchedCables()) partNumbers.push_back(cable->partNumber);
    EXPECT_EQ(partNumbers,
              (Texts{"RVX1-50K", "RVX1P-50K", "RVX1R-50K", "RVX2-50K", "RVX2P-50K", "RVX2R-50K",
                     "RVX4-50K", "RVX4P-50K", "RVX4R-50K", "RVX5-50K", "RVX5P-50K", "RVX5R-50K",
                     "RVX6-50K", "RVX6P-50K", "RVX7-50K", "RVX7P-50K"}));
}

// ---------------------------------------------------- values that stay put

TEST_F(PageOneTest, BackAndStartOverKeepWhatPageOneShows) {
    Type(window->cboLength, "12");
    Click(window->rbMeters);
    Click(window->rgCableType, 0);
    Type(window->cboBeginning, "30");
    Focus(window->cboEnding);
    GoToPageTwo();

    const auto expectKept = [&](const char* how) {
        EXPECT_EQ(Page(), 0) << how;
        EXPECT_EQ(window->rgApp->ItemIndex(), 0) << how;
        EXPECT_EQ(Text(window->cboLength), "12") << how;
        EXPECT_TRUE(window->rbMeters->isChecked()) << how;
        EXPECT_EQ(window->rgCableType->ItemIndex(), 0) << how;
        EXPECT_EQ(Text(window->cboBeginning), "30") << how;
        EXPECT_EQ(Text(window->cboEnding), "2200") << how;
    };
    Back();
    expectKept("Back");
    GoToPageTwo();
    StartOver();
    expectKept("Start Over");
}

TEST_F(PageOneTest, FeederChoicesSurviveAVisitOfPageTwo) {
    ChooseFeeder();
    Click(window->chkTopConnector);
    Type(window->cboLength, "250");
    GoToPageTwo();
    Back();
    EXPECT_EQ(window->rgApp->ItemIndex(), 1);
    EXPECT_TRUE(window->rgFeeder->isVisible());
    EXPECT_EQ(window->rgFeeder->ItemIndex(), 2);
    EXPECT_FALSE(window->chkTopConnector->isChecked());
    EXPECT_TRUE(window->chkBottomConnector->isChecked());
    EXPECT_EQ(Text(window->cboLength), "250");
}

}  // namespace
}  // namespace wizard
