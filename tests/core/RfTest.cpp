#include <gtest/gtest.h>

#include <cmath>

#include "rf/Rf.h"
#include "text/Error.h"

using namespace quill;

namespace {

TTransmissionLine Foam() {
    TTransmissionLine cable;
    cable.cableType = "FOAM";
    cable.k1 = 0.06;
    cable.k2 = 0.0002;
    cable.powerConstant = 30;
    cable.maxPower = 40;
    return cable;
}

TTransmissionLine Waveguide(const char* type = "EW") {
    TTransmissionLine cable;
    cable.cableType = type;
    cable.partNumber = "EW17";
    cable.k1 = 1300;
    cable.k2 = 1500;
    return cable;
}

}  // namespace

TEST(CoaxialFigures, WorkedExampleInFeetAndMeters) {
    const TTransmissionLine cable = Foam();
    EXPECT_NEAR(Attenuation(cable, 800, 2200), 2.62379, 5e-6);
    EXPECT_NEAR(Attenuation(cable, 800, 2200) * kFeetPerMeter, 8.60813, 5e-6);
    EXPECT_NEAR(CableLoss(cable, true, 10, 800, 2200), 0.26238, 5e-6);
    EXPECT_NEAR(InsertionLoss(cable, true, 10, 800, 2200), 0.38485, 5e-6);
    EXPECT_NEAR(Efficiency(cable, true, 10, 800, 2200), 91.5197, 5e-5);
    EXPECT_NEAR(CableLoss(cable, false, 10, 800, 2200), 0.86081, 5e-6);
    EXPECT_NEAR(InsertionLoss(cable, false, 10, 800, 2200), 0.98329, 5e-6);
    EXPECT_NEAR(Efficiency(cable, false, 10, 800, 2200), 79.7391, 5e-5);
}

TEST(CoaxialFigures, BandOrderAndSingleFrequencyOnlyUseTheMidFrequency) {
    const TTransmissionLine cable = Foam();
    EXPECT_DOUBLE_EQ(Attenuation(cable, 2200, 800), Attenuation(cable, 800, 2200));
    EXPECT_DOUBLE_EQ(Attenuation(cable, 1500, 1500), Attenuation(cable, 800, 2200));
}

TEST(CoaxialFigures, ZeroLengthLeavesTheConnectorTerm) {
    const TTransmissionLine cable = Foam();
    EXPECT_DOUBLE_EQ(CableLoss(cable, true, 0, 1000, 1000), 0);
    EXPECT_NEAR(InsertionLoss(cable, true, 0, 1000, 1000), 0.1, 1e-12);
}

TEST(CoaxialFigures, EmptyConstantsMeanNoAttenuation) {
    TTransmissionLine cable = Foam();
    cable.k1 = cable.k2 = 0;
    EXPECT_EQ(Attenuation(cable, 800, 2200), 0);
}

TEST(AveragePower, CappedAtTheMaximumPower) {
    TTransmissionLine cable = Foam();
    EXPECT_NEAR(AveragePower(cable, 800, 2200), 11.4338, 5e-5);
    cable.maxPower = 5;
    EXPECT_EQ(AveragePower(cable, 800, 2200), 5);
    cable.maxPower = cable.powerConstant / Attenuation(cable, 800, 2200);
    EXPECT_DOUBLE_EQ(AveragePower(cable, 800, 2200), cable.maxPower);
}

TEST(AveragePower, LosslessCableCarriesItsMaximumPower) {
    TTransmissionLine cable = Foam();
    cable.k1 = cable.k2 = 0;
    EXPECT_EQ(AveragePower(cable, 800, 2200), 40);
}

TEST(WaveguideFigures, WorkedExample) {
    const TTransmissionLine cable = Waveguide();
    EXPECT_NEAR(Attenuation(cable, 1700, 2100), 1.75786, 5e-6);
    EXPECT_NEAR(InsertionLoss(cable, true, 50, 1700, 2100), 1.01677, 5e-6);
    EXPECT_NEAR(Efficiency(cable, true, 50, 1700, 2100), 79.1267, 5e-5);
}

TEST(WaveguideFigures, TypeIsReadWithoutRegardToCase) {
    EXPECT_DOUBLE_EQ(Attenuation(Waveguide("ew"), 1700, 2100),
                     Attenuation(Waveguide("EW"), 1700, 2100));
}

TEST(WaveguideFigures, BandAtOrBelowCutOffIsAClearErrorNotNaN) {
    const TTransmissionLine cable = Waveguide();
    for (double fm : {1300.0, 1000.0}) {
        try {
            const double a = Attenuation(cable, fm, fm);
            ADD_FAILURE() << "gave " << a;
        } catch (const QuillError& error) {
            EXPECT_NE(std::string(error.what()).find("cut-off frequency of 1300 MHz"),
                      std::string::npos)
                << error.what();
        }
    }
    EXPECT_THROW(AveragePower(cable, 1000, 1000), QuillError);
    EXPECT_THROW(Efficiency(cable, true, 10, 1000, 1000), QuillError);
}
