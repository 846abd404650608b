#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "catalogue/Catalogue.h"
#include "catalogue/DataFiles.h"
#include "catalogue/Images.h"
#include "catalogue/Jumpers.h"
#include "inifile/BigIniFile.h"
#include "pricing/CurrencyCodes.h"
#include "results/StandardLengths.h"
#include "rf/Rf.h"
#include "text/Fields.h"

using namespace quill;
namespace fs = std::filesystem;

// The bundled sample data must stay complete and consistent: every jumper names
// real connectors, every orderable part has a price, every picture exists.
namespace {

const fs::path kProgram = fs::path(QUILLROUTE_SAMPLE_DATA) / "program";
const fs::path kShared = fs::path(QUILLROUTE_SAMPLE_DATA) / "shared";

class SampleData : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        catalogue =
            new CableCatalogue(LoadCableCatalogue(kProgram / "dat" / "tlineconnectors.dat"));
        for (const std::string& line : ReadAllLines(kShared / "M_lom.dat"))
            if (!line.empty() && !IsCommentLineStart(line[0])) pricedParts.insert(FieldAt(line, 3));
    }
    static void TearDownTestSuite() { delete catalogue; }

    static bool Priced(const std::string& partNumber) { return pricedParts.count(partNumber) > 0; }
    static const TTransmissionLine* CableByPartNumber(const std::string& partNumber) {
        for (const auto& cable : *catalogue)
            if (UpperCase(cable->partNumber) == UpperCase(partNumber)) return cable.get();
        return nullptr;
    }

    static CableCatalogue* catalogue;
    static std::set<std::string> pricedParts;
};

CableCatalogue* SampleData::catalogue = nullptr;
std::set<std::string> SampleData::pricedParts;

bool IsGif(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    char header[6] = {};
    in.read(header, 6);
    return in && (std::string(header, 6) == "GIF89a" || std::string(header, 6) == "GIF87a");
}

}  // namespace

TEST_F(SampleData, CoversEveryCableTypeGradeAndFlag) {
    std::set<std::string> types, grades;
    int withAttachment = 0, withoutAttachment = 0, plated = 0, standard = 0;
    for (const auto& cable : *catalogue) {
        types.insert(UpperCase(cable->cableType));
        grades.insert(cable->gradeCode);
        (cable->firstAttachmentFlag.empty() ? withoutAttachment : withAttachment)++;
        plated += !cable->platedFlag.empty();
        standard += !cable->standardFlag.empty();
        EXPECT_LT(cable->lowFrequency, cable->highFrequency) << cable->partNumber;
        EXPECT_GT(cable->ConnectorCount(), 0) << cable->partNumber;
    }
    EXPECT_EQ(types, (std::set<std::string>{"AIR", "EW", "FOAM"}));
    EXPECT_EQ(grades, (std::set<std::string>{"P", "R", "S"}));
    EXPECT_GT(withAttachment, 0);
    EXPECT_GT(withoutAttachment, 0);
    EXPECT_GT(plated, 0);
    EXPECT_GT(standard, 0);
    EXPECT_LT(standard, static_cast<int>(catalogue->size()));
}

TEST_F(SampleData, WaveguideBandsLieAboveTheirCutOffs) {
    for (const auto& cable : *catalogue) {
        if (UpperCase(cable->cableType) != "EW") continue;
        EXPECT_GT(cable->lowFrequency, cable->k1) << cable->partNumber;
        const double a = Attenuation(*cable, cable->lowFrequency, cable->highFrequency);
        EXPECT_GT(a, 0.5) << cable->partNumber;
        EXPECT_LT(a, 3) << cable->partNumber;
    }
}

TEST_F(SampleData, EveryOrderablePartHasAPriceLine) {
    for (const auto& cable : *catalogue) {
        EXPECT_TRUE(Priced(cable->partNumber)) << cable->partNumber;
        if (!cable->attachmentPartNumber.empty()) {
            EXPECT_TRUE(Priced(cable->attachmentPartNumber)) << cable->attachmentPartNumber;
        }
        for (const TConnector& connector : cable->connectors)
            EXPECT_TRUE(Priced(std::string(connector.PartNumber()))) << connector.PartNumber();
    }
}

TEST_F(SampleData, EveryJumperNamesRealConnectorsAndIsPricedAtEveryLength) {
    TBigIniFile jumpers(kProgram / "dat" / "jumpers.dat");
    ASSERT_GT(jumpers.SectionCount(), 1);
    int jumperLines = 0;
    for (int section = 1; section < jumpers.SectionCount(); ++section) {
        StringList lines;
        jumpers.ReadSectionLines(jumpers.SectionName(section), lines);
        const TTransmissionLine* cable = CableByPartNumber(FieldAt(LineValue(lines, "TLine"), 1));
        ASSERT_NE(cable, nullptr) << jumpers.SectionName(section);
        std::set<int> codes;
        for (const TConnector& connector : cable->connectors) codes.insert(connector.code);
        for (size_t i = 1; i < lines.size(); ++i, ++jumperLines) {
            const std::string value = LineValue(lines, LineName(lines[i]));
            EXPECT_TRUE(codes.count(StrToInt(FieldAt(value, 1)))) << lines[i];
            EXPECT_TRUE(codes.count(StrToInt(FieldAt(value, 2)))) << lines[i];
            TJumper jumper;
            ReadJumperRecord(lines[i], jumper);
            for (const std::string& feet : SplitFields(jumper.feetLengths, ","))
                EXPECT_TRUE(Priced(jumper.basePartNumber + feet)) << jumper.basePartNumber + feet;
            for (const std::string& meters : SplitFields(jumper.meterLengths, ","))
                EXPECT_TRUE(Priced(jumper.basePartNumber + MetricLengthCode(meters)))
                    << jumper.basePartNumber + MetricLengthCode(meters);
        }
    }
    EXPECT_GT(jumperLines, 3);
}

TEST_F(SampleData, EveryPictureTheProgramNamesExists) {
    const fs::path images = kProgram / "images";
    std::set<std::string> named{"topjumper.gif", "bottomjumper.gif", "mainfeeder.gif",
                                "vl.gif",        "noconnectors.gif", "sw.gif"};
    for (const auto& cable : *catalogue) named.insert(cable->modelName + ".gif");
    const StringList imageLines = ReadAllLines(kProgram / "dat" / "images.dat");
    for (const std::string& line : imageLines) named.insert(FieldAt(line, 4));
    for (const std::string& name : named) EXPECT_TRUE(IsGif(images / name)) << name;

    // Every connector the wizard can offer has its picture, straight or bent.
    for (const auto& cable : *catalogue)
        for (const TConnector& connector : cable->connectors)
            EXPECT_NE(ConnectorPictureFile(imageLines, std::string(connector.Name()),
                                           IsRightAngleText(std::string(connector.Special())),
                                           UpperCase(connector.AttachmentCode()) == "S"),
                      "")
                << connector.Name() << " / " << connector.Special();
}

TEST_F(SampleData, ExchangeRatesCoverEveryCurrency) {
    std::set<std::string> codes;
    for (const std::string& line : ReadAllLines(kProgram / "xcngrate.dat")) {
        codes.insert(FieldAt(line, 1));
        EXPECT_GT(StrToFloat(FieldAt(line, 2)), 0) << line;
    }
    for (std::string_view code : kCurrencyCodes)
        EXPECT_TRUE(codes.count(std::string(code))) << code;
}

TEST_F(SampleData, TheTypicalRequestEndsOnAPricedStandardJumper) {
    CableFilter page1;
    page1.band = page1.foam = true;
    page1.beginFrequency = 800;
    page1.endFrequency = 2200;
    page1.gradeCode = "S";
    TTransmissionLine* cable = nullptr;
    for (TTransmissionLine* candidate : FilterCables(AllCables(*catalogue), page1))
        if (candidate->modelName == "RVX4-50K") cable = candidate;
    ASSERT_NE(cable, nullptr);
    TConnector* connector = nullptr;
    for (TConnector& c : cable->connectors)
        if (c.Name() == "7-16 DIN Male" && UpperCase(c.GradeCode()) == "P" &&
            UpperCase(c.AttachmentCode()) == "S" && !connector)
            connector = &c;
    ASSERT_NE(connector, nullptr);
    TJumper jumper;
    jumper.cable = cable;
    jumper.topConnector = jumper.bottomConnector = connector;
    ASSERT_TRUE(FindStandardJumper(kProgram / "dat" / "jumpers.dat", jumper));
    const StringList feet = SplitFields(jumper.feetLengths, ",");
    EXPECT_NE(std::find(feet.begin(), feet.end(), "10"), feet.end()) << jumper.feetLengths;
    EXPECT_TRUE(Priced(jumper.basePartNumber + "10"));
}
