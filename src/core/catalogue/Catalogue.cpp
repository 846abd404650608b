#include "catalogue/Catalogue.h"

#include "catalogue/BigIniFile.h"
#include "catalogue/Error.h"
#include "catalogue/Fields.h"
#include "rf/Rf.h"

namespace quill {

namespace {

// Record fields are numbered from 1.
const std::string& Item(const StringList& items, size_t position) {
    return ItemAt(items, position - 1);
}

double NumberItem(const StringList& items, size_t position) {
    return StrToFloat(TextOrDefault(Item(items, position), "0"));
}

template <typename Keep>
CableList Select(const CableList& cables, Keep keep) {
    CableList result;
    for (TTransmissionLine* cable : cables)
        if (keep(*cable)) result.push_back(cable);
    return result;
}

}  // namespace

std::unique_ptr<TTransmissionLine> ParseCableRecord(const std::string& text) {
    const StringList items = SplitFields(text, "|");
    auto cable = std::make_unique<TTransmissionLine>();
    cable->lowFrequency = NumberItem(items, 1);
    cable->highFrequency = NumberItem(items, 2);
    cable->modelName = Item(items, 3);
    cable->partNumber = Item(items, 4);
    cable->cableType = Item(items, 5);
    cable->k1 = NumberItem(items, 6);
    cable->k2 = NumberItem(items, 7);
    cable->diameter = Item(items, 8);
    cable->gradeCode = Item(items, 9);
    cable->attachmentPartNumber = Item(items, 10);
    cable->firstAttachmentFlag = Item(items, 11);
    cable->platedFlag = Item(items, 12);
    cable->standardFlag = Item(items, 13);
    cable->powerConstant = NumberItem(items, 14);
    cable->maxPower = NumberItem(items, 15);
    return cable;
}

std::unique_ptr<TConnector> ParseConnectorRecord(const std::string& text) {
    const StringList items = SplitFields(text, "|");
    auto connector = std::make_unique<TConnector>();
    connector->code = StrToInt(TextOrDefault(Item(items, 1), "0"));
    connector->partNumber = Item(items, 2);
    connector->name = Item(items, 3);
    connector->special = Item(items, 4);
    connector->matesTo = Item(items, 5);
    connector->inner = Item(items, 6);
    connector->gradeCode = Item(items, 7);
    connector->attachmentCode = Item(items, 8);
    return connector;
}

void LoadCableCatalogue(const std::filesystem::path& fileName, CableCatalogue& catalogue) {
    TBigIniFile reader(fileName);
    StringList lines;
    for (int section = 1; section < reader.SectionCount(); ++section) {
        lines.clear();
        reader.ReadSectionLines(reader.SectionName(section), lines);
        try {
            auto cable = ParseCableRecord(LineValue(lines, "TLine"));
            for (size_t i = 1; i < lines.size(); ++i)
                cable->AddConnector(ParseConnectorRecord(LineValue(lines, LineName(lines[i]))));
            catalogue.push_back(std::move(cable));
        } catch (const QuillError& error) {
            // A data maintainer needs to know where to look.
            throw QuillError(fileName.filename().string() + " [" + reader.SectionName(section) +
                             "]: " + error.what());
        }
    }
}

CableCatalogue LoadCableCatalogue(const std::filesystem::path& fileName) {
    CableCatalogue catalogue;
    LoadCableCatalogue(fileName, catalogue);
    return catalogue;
}

CableList AllCables(const CableCatalogue& catalogue) {
    CableList list;
    list.reserve(catalogue.size());
    for (const auto& cable : catalogue) list.push_back(cable.get());
    return list;
}

CableList FilterByBand(const CableList& cables, double begin, double end) {
    return Select(cables, [&](const TTransmissionLine& c) {
        return c.lowFrequency <= begin && c.highFrequency >= end;
    });
}

CableList FilterByConnectorName(const CableList& cables, const std::string& name) {
    return Select(cables, [&](const TTransmissionLine& c) {
        for (const auto& connector : c.connectors)
            if (connector->name == name) return true;
        return false;
    });
}

CableList FilterByMaxLoss(const CableList& cables, const std::string& lengthUnit, double begin,
                          double end, double length, double maxLoss) {
    return Select(cables, [&](const TTransmissionLine& c) {
        double a = Attenuation(c, begin, end);
        if (lengthUnit == "Meters") a *= kFeetPerMeter;
        return a / 100 * length <= maxLoss;
    });
}

CableList FilterByCableType(const CableList& cables, bool air, bool foam, bool waveguide) {
    return Select(cables, [&](const TTransmissionLine& c) {
        const std::string type = UpperCase(c.cableType);
        return (air && type == "AIR") || (foam && type == "FOAM") || (waveguide && type == "EW");
    });
}

CableList FilterByCableGrade(const CableList& cables, const std::string& gradeCode) {
    const std::string wanted = UpperCase(gradeCode);
    return Select(cables,
                  [&](const TTransmissionLine& c) { return UpperCase(c.gradeCode) == wanted; });
}

CableList FilterCables(const CableList& cables, const CableFilter& f) {
    CableList result = cables;
    if (f.band) result = FilterByBand(result, f.beginFrequency, f.endFrequency);
    if (f.connector1) result = FilterByConnectorName(result, f.connectorName1);
    if (f.connector2) result = FilterByConnectorName(result, f.connectorName2);
    if (f.loss)
        result = FilterByMaxLoss(result, f.lengthUnit, f.beginFrequency, f.endFrequency, f.length,
                                 f.maxLoss);
    if (f.air || f.foam || f.waveguide) result = FilterByCableType(result, f.air, f.foam, f.waveguide);
    if (!f.gradeCode.empty()) result = FilterByCableGrade(result, f.gradeCode);
    return result;
}

}  // namespace quill
