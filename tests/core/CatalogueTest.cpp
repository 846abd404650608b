#include <gtest/gtest.h>

#include <chrono>

#include "TempDir.h"
#include "catalogue/Catalogue.h"
#include "text/Error.h"

using namespace quill;

namespace {

const std::string kCable =
    "TLine=700|2500|RVX4-50K|RVX4-50K-S|foam|0.0643|0.00019|1/2|s|AC-50|Y|Y||30|2.5|";
const std::string kPlated =
    "A=716|716DM-P|7-16 DIN Male|RIGHT ANGLE|7-16 DIN Female|Captivated|p|s|";
const std::string kRegular = "B=717|716DM-S|7-16 DIN Male||7-16 DIN Female||S|R|";

CableCatalogue Load(const TempDir& dir, const std::string& text) {
    return LoadCableCatalogue(dir.Write("dat/tlineconnectors.dat", text));
}

std::string LoadError(const TempDir& dir, const std::string& text) {
    try {
        Load(dir, text);
    } catch (const QuillError& error) {
        return error.what();
    }
    return "no error";
}

TTransmissionLine Cable(double low, double high, const char* type = "FOAM",
                        const char* grade = "S") {
    TTransmissionLine cable;
    cable.lowFrequency = low;
    cable.highFrequency = high;
    cable.cableType = type;
    cable.gradeCode = grade;
    return cable;
}

}  // namespace

TEST(CatalogueFile, ReadsCablesWithTheirConnectorsSkippingTheFirstSection) {
    TempDir dir;
    const auto catalogue = Load(dir, CrLf({"[INFO]", "TLine=1|2|X|X|FOAM|1|1|1|S||||1|1|",
                                           "[CABLE 1]", kCable, kPlated, kRegular}));
    ASSERT_EQ(catalogue.size(), 1u);
    const TTransmissionLine& cable = *catalogue[0];
    EXPECT_EQ(cable.lowFrequency, 700);
    EXPECT_EQ(cable.highFrequency, 2500);
    EXPECT_EQ(cable.modelName, "RVX4-50K");
    EXPECT_EQ(cable.partNumber, "RVX4-50K-S");
    EXPECT_EQ(cable.cableType, "foam");
    EXPECT_DOUBLE_EQ(cable.k1, 0.0643);
    EXPECT_EQ(cable.diameter, "1/2");
    EXPECT_EQ(cable.attachmentPartNumber, "AC-50");
    EXPECT_EQ(cable.firstAttachmentFlag, "Y");
    EXPECT_EQ(cable.standardFlag, "");
    EXPECT_EQ(cable.powerConstant, 30);
    EXPECT_EQ(cable.maxPower, 2.5);
    ASSERT_EQ(cable.ConnectorCount(), 2);
    const TConnector& plated = cable.Connector(0);
    EXPECT_EQ(plated.code, 716);
    EXPECT_EQ(plated.PartNumber(), "716DM-P");
    EXPECT_EQ(plated.Name(), "7-16 DIN Male");
    EXPECT_EQ(plated.Special(), "RIGHT ANGLE");
    EXPECT_EQ(plated.MatesTo(), "7-16 DIN Female");
    EXPECT_EQ(plated.Inner(), "Captivated");
    EXPECT_EQ(plated.GradeCode(), "p");
    EXPECT_EQ(plated.AttachmentCode(), "s");
    EXPECT_EQ(cable.Connector(1).Special(), "");
}

TEST(CatalogueFile, OneSectionGivesAnEmptyCatalogue) {
    TempDir dir;
    EXPECT_TRUE(Load(dir, CrLf({"[CABLE 1]", kCable})).empty());
}

TEST(CatalogueFile, EmptyNumericFieldsCountAsZero) {
    TempDir dir;
    const auto catalogue = Load(dir, CrLf({"[H]", "[C]", "TLine=||M|PN|AIR||||S|||||||"}));
    ASSERT_EQ(catalogue.size(), 1u);
    EXPECT_EQ(catalogue[0]->k1, 0);
    EXPECT_EQ(catalogue[0]->maxPower, 0);
}

TEST(CatalogueFile, RepeatedConnectorNamesTakeTheFirstLinesValue) {
    TempDir dir;
    const auto catalogue =
        Load(dir, CrLf({"[H]", "[C]", kCable, kPlated, "A=1|other|x|x|x|x|x|x|"}));
    ASSERT_EQ(catalogue[0]->ConnectorCount(), 2);
    EXPECT_EQ(catalogue[0]->Connector(1).PartNumber(), "716DM-P");
}

TEST(CatalogueFile, MalformedRecordsNameTheFileAndSection) {
    TempDir dir;
    EXPECT_EQ(LoadError(dir, CrLf({"[H]", "[CABLE 12]", "TLine=1|2|M|PN|FOAM|1|1|1|S||||1|"})),
              "tlineconnectors.dat [CABLE 12]: List index out of bounds (14)");
    EXPECT_EQ(LoadError(dir, CrLf({"[H]", "[C]", "TLine=1|x|M|PN|FOAM|1|1|1|S||||1|1|"})),
              "tlineconnectors.dat [C]: 'x' is not a valid floating point value");
    EXPECT_EQ(LoadError(dir, CrLf({"[H]", "[C]", kCable, "A=7x|PN|n|s|m|i|P|S|"})),
              "tlineconnectors.dat [C]: '7x' is not a valid integer value");
    EXPECT_EQ(LoadError(dir, CrLf({"[H]", "[C]", kCable, "A=7|PN|n|"})),
              "tlineconnectors.dat [C]: List index out of bounds (4)");
    // No "TLine" line, and a connector line without "=": both read an empty value.
    EXPECT_EQ(LoadError(dir, CrLf({"[H]", "[C]", "X=1"})),
              "tlineconnectors.dat [C]: List index out of bounds (1)");
    EXPECT_EQ(LoadError(dir, CrLf({"[H]", "[C]", kCable, "no equals sign"})),
              "tlineconnectors.dat [C]: List index out of bounds (1)");
}

TEST(CableFilters, BandMustLieWithinTheCableRangeInclusive) {
    TTransmissionLine wide = Cable(700, 2500), lateStart = Cable(806, 2500),
                      earlyEnd = Cable(700, 2000), exact = Cable(800, 2200);
    const CableList all{&wide, &lateStart, &earlyEnd, &exact};
    EXPECT_EQ(FilterByBand(all, 800, 2200), (CableList{&wide, &exact}));
}

TEST(CableFilters, TypeAndGradeIgnoreLetterCase) {
    TTransmissionLine air = Cable(1, 2, "Air", "s"), foam = Cable(1, 2, "foam", "P"),
                      ew = Cable(1, 2, "EW", "R");
    const CableList all{&air, &foam, &ew};
    EXPECT_EQ(FilterByCableType(all, false, true, false), CableList{&foam});
    EXPECT_EQ(FilterByCableType(all, true, false, true), (CableList{&air, &ew}));
    EXPECT_EQ(FilterByCableGrade(all, "S"), CableList{&air});
    EXPECT_EQ(FilterByCableGrade(all, "p"), CableList{&foam});
}

TEST(CableFilters, ConnectorNameListsACableOnce) {
    TTransmissionLine a = Cable(1, 2), b = Cable(1, 2);
    for (const char* name : {"N Male", "N Male", "N Female"})
        a.AddConnector(std::string("0||") + name + "||||||");
    EXPECT_EQ(FilterByConnectorName({&a, &b}, "N Male"), CableList{&a});
    EXPECT_TRUE(FilterByConnectorName({&a, &b}, "n male").empty());
}

TEST(CableFilters, MaxLossConvertsMetersToFeet) {
    TTransmissionLine cable = Cable(1000, 1000, "FOAM");
    cable.k2 = 0.002;  // 2 dB per 100 ft at 1000 MHz
    EXPECT_EQ(FilterByMaxLoss({&cable}, "Feet", 1000, 1000, 100, 2).size(), 1u);
    EXPECT_TRUE(FilterByMaxLoss({&cable}, "Feet", 1000, 1000, 101, 2).empty());
    EXPECT_TRUE(FilterByMaxLoss({&cable}, "Meters", 1000, 1000, 100, 2).empty());
}

TEST(CableFilters, FilterCablesAppliesOnlyTheSwitchedOnFilters) {
    TTransmissionLine air = Cable(700, 2500, "AIR", "S"), foamS = Cable(700, 2500, "FOAM", "S"),
                      foamP = Cable(700, 2500, "FOAM", "P"), narrow = Cable(900, 2500, "FOAM", "S");
    const CableList all{&air, &foamS, &foamP, &narrow};
    EXPECT_EQ(FilterCables(all, CableFilter{}), all);
    CableFilter page1;
    page1.band = true;
    page1.beginFrequency = 800;
    page1.endFrequency = 2200;
    page1.foam = true;
    EXPECT_EQ(FilterCables(all, page1), (CableList{&foamS, &foamP}));
    CableFilter grade;
    grade.gradeCode = "P";
    EXPECT_EQ(FilterCables(FilterCables(all, page1), grade), CableList{&foamP});
}

TEST(CatalogueFile, ACableOfManyConnectorsLoadsInTimeThatGrowsWithItsSize) {
    // Each connector's value was once found by rescanning its section: a
    // cable of 50,000 connectors took seconds. Now it takes milliseconds.
    TempDir dir;
    std::string text = "[H]\r\n[C]\r\nTLine=1|8800|M|PN|FOAM|0.06|0.0002|1/2|S|AC|Y|Y|Y|2|40|\r\n";
    for (int i = 1; i <= 50000; ++i)
        text += "C" + std::to_string(i) + "=" + std::to_string(i) + "|P" + std::to_string(i) +
                "|N Male||N Female||P|S|\r\n";
    text += "C7=0|REPEATED|x|x|x|x|x|x|\r\n";
    const auto start = std::chrono::steady_clock::now();
    const CableCatalogue catalogue = LoadCableCatalogue(dir.Write("dat/tlineconnectors.dat", text));
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ASSERT_EQ(catalogue.size(), 1u);
    ASSERT_EQ(catalogue[0]->ConnectorCount(), 50001);
    EXPECT_EQ(catalogue[0]->Connector(50000).PartNumber(), "P7");  // the first line of its name
    EXPECT_EQ(catalogue[0]->Connector(49999).code, 50000);
    EXPECT_LT(seconds, 1.0);
}
