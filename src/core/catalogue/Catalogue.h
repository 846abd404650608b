#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "pricing/CurrencyCodes.h"

namespace quill {

// One connector that fits a given cable.
struct TConnector {
    int32_t code = 0;            // identifies the connector in the standard jumpers
    std::string partNumber;
    std::string name;            // the connector itself, e.g. "7-16 DIN Male"
    std::string special;         // special characteristics, may be empty
    std::string description;     // from the price list
    std::string matesTo;         // the connector this one mates with
    std::string inner;           // inner contact attachment, may be empty
    std::string gradeCode;       // "P" plated, "S" standard
    std::string attachmentCode;  // "S" Vellisk, "R" regular
    double price = 0;            // US dollars each, from the price list
    ConvertedPrices convertedPrices{};
};

// One cable size with the connectors that fit it.
struct TTransmissionLine {
    double lowFrequency = 0;   // MHz
    double highFrequency = 0;  // MHz
    std::string modelName;     // common to the grades of a cable; names its picture
    std::string partNumber;
    std::string cableType;     // "AIR", "FOAM" or "EW"
    double k1 = 0;             // coaxial: coefficient of sqrt(f); waveguide: cut-off in MHz
    double k2 = 0;             // coaxial: coefficient of f; waveguide: scale factor
    std::vector<std::unique_ptr<TConnector>> connectors;
    std::string description;   // from the price list
    double price = 0;          // US dollars per foot (per meter after a metric look-up)
    std::string diameter;      // inches, as text
    std::string gradeCode;     // "S" standard, "P" premium, "R" flame retardant
    std::string attachmentPartNumber;
    double attachmentPrice = 0;
    std::string firstAttachmentFlag;  // not empty: the Vellisk attachment may be chosen
    std::string platedFlag;           // not empty: plated connectors may be chosen
    std::string standardFlag;         // not empty: standard connectors may be chosen
    double maxPower = 0;              // kW
    double powerConstant = 0;
    ConvertedPrices convertedPrices{};
    ConvertedPrices attachmentConvertedPrices{};

    int ConnectorCount() const { return static_cast<int>(connectors.size()); }
    TConnector& Connector(int index) const { return *connectors.at(index); }
    void AddConnector(std::unique_ptr<TConnector> connector) {
        connectors.push_back(std::move(connector));
    }
};

using CableCatalogue = std::vector<std::unique_ptr<TTransmissionLine>>;  // owns its cables
using CableList = std::vector<TTransmissionLine*>;                      // points into a catalogue

// Builds one record from one "|"-delimited value. Numeric fields that are empty
// count as 0; a short record raises "List index out of bounds (%d)".
std::unique_ptr<TTransmissionLine> ParseCableRecord(const std::string& text);
std::unique_ptr<TConnector> ParseConnectorRecord(const std::string& text);

// Reads "tlineconnectors.dat": the first section carries no cable, every later
// section is one cable ("TLine=" record) followed by its connector lines. A
// malformed record stops the load; the error names the file and the section,
// and the cables read before it stay in the catalogue.
void LoadCableCatalogue(const std::filesystem::path& fileName, CableCatalogue& catalogue);
CableCatalogue LoadCableCatalogue(const std::filesystem::path& fileName);

CableList AllCables(const CableCatalogue& catalogue);

struct CableFilter {
    std::string connectorName1, connectorName2;
    double beginFrequency = 0, endFrequency = 0;  // MHz
    double length = 0;
    double maxLoss = 0;  // dB
    std::string lengthUnit = "Feet";  // "Feet" or "Meters"
    std::string gradeCode;            // empty: no grade filter
    bool band = false, connector1 = false, connector2 = false, loss = false;
    bool air = false, foam = false, waveguide = false;
};

// Applies the switched-on filters in a fixed order: band, connector name 1 and 2,
// maximum loss, cable type, grade.
CableList FilterCables(const CableList& cables, const CableFilter& filter);

CableList FilterByBand(const CableList& cables, double begin, double end);
CableList FilterByConnectorName(const CableList& cables, const std::string& name);
CableList FilterByMaxLoss(const CableList& cables, const std::string& lengthUnit, double begin,
                          double end, double length, double maxLoss);
CableList FilterByCableType(const CableList& cables, bool air, bool foam, bool waveguide);
CableList FilterByCableGrade(const CableList& cables, const std::string& gradeCode);

}  // namespace quill
