#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "inifile/LargeAllocator.h"
#include "pricing/CurrencyCodes.h"

namespace quill {

// One connector that fits a given cable, read from a record
// "code|part number|name|special|mates to|inner|grade|attachment|". Its text
// fields are views of that record, kept in one piece by its cable: a
// catalogue of many thousands of connectors costs little more than its file.
// The price-list fields take room only once the connector is priced.
class TConnector {
  public:
    TConnector();
    // A connector of its own, not in a cable's list, as tests and one-offs
    // make them. Throws as the catalogue does for a bad record.
    explicit TConnector(std::string_view record);
    TConnector(TConnector&&) noexcept;
    TConnector& operator=(TConnector&&) noexcept;
    ~TConnector();

    int32_t code = 0;  // identifies the connector in the standard jumpers

    std::string_view PartNumber() const { return Field(0); }
    std::string_view Name() const { return Field(1); }     // the connector itself: "7-16 DIN Male"
    std::string_view Special() const { return Field(2); }  // special characteristics, may be empty
    std::string_view MatesTo() const { return Field(3); }  // the connector this one mates with
    std::string_view Inner() const { return Field(4); }    // inner contact attachment, may be empty
    std::string_view GradeCode() const { return Field(5); }       // "P" plated, "S" standard
    std::string_view AttachmentCode() const { return Field(6); }  // "S" Vellisk, "R" regular

    // From the price list: the description, the US-dollar price each and the
    // price in every currency; empty and 0 until priced.
    const std::string& Description() const;
    double Price() const;
    const ConvertedPrices& Converted() const;
    void SetPrice(std::string description, double price, ConvertedPrices converted);
    void SetPrice(double price) { SetPrice(Description(), price, Converted()); }

  private:
    friend struct TTransmissionLine;
    static constexpr int kFields = 7;
    struct Extra;

    // Reads the record whose text lies at `text` (it stays there).
    void Parse(const char* text, std::size_t size);
    std::string_view Field(int index) const {
        if (text_ == nullptr) return {};
        const std::uint16_t begin =
            index == 0 ? starts_ : static_cast<std::uint16_t>(ends_[index - 1] + 1);
        return std::string_view(text_ + begin, ends_[index] - begin);
    }
    Extra& Extras();

    const char* text_ = nullptr;  // the record, kept by the cable (or by Extra)
    std::unique_ptr<Extra> extra_;
    std::uint16_t starts_ = 0;                   // where the part number begins
    std::array<std::uint16_t, kFields> ends_{};  // where each field ends
};

// One cable size with the connectors that fit it.
struct TTransmissionLine {
    TTransmissionLine() = default;
    TTransmissionLine(TTransmissionLine&&) noexcept = default;
    TTransmissionLine& operator=(TTransmissionLine&&) noexcept = default;

    double lowFrequency = 0;   // MHz
    double highFrequency = 0;  // MHz
    std::string modelName;     // common to the grades of a cable; names its picture
    std::string partNumber;
    std::string cableType;  // "AIR", "FOAM" or "EW"
    double k1 = 0;          // coaxial: coefficient of sqrt(f); waveguide: cut-off in MHz
    double k2 = 0;          // coaxial: coefficient of f; waveguide: scale factor
    std::vector<TConnector, LargeAllocator<TConnector>> connectors;
    std::string description;  // from the price list
    double price = 0;         // US dollars per foot (per meter after a metric look-up)
    std::string diameter;     // inches, as text
    std::string gradeCode;    // "S" standard, "P" premium, "R" flame retardant
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
    const TConnector& Connector(int index) const { return connectors.at(index); }
    TConnector& Connector(int index) { return connectors.at(index); }
    // Reads one connector record and appends it; throws for a bad record,
    // adding nothing. Pointers to connectors stay valid until the next one
    // is added.
    TConnector& AddConnector(std::string_view record);
    // Room for that many connectors and bytes of their records, for a load
    // that knows them.
    void ReserveConnectors(std::size_t count, std::size_t textBytes);
    // As AddConnector, for a record that lies in text `keeper` holds: the
    // record is not copied, and the cable keeps the text alive.
    TConnector& AddConnectorInPlace(std::string_view record,
                                    const std::shared_ptr<const void>& keeper);

  private:
    std::shared_ptr<const void> keptText_;
    // The connectors' records, in blocks that never move.
    std::vector<std::unique_ptr<char[]>> connectorText_;
    std::size_t textCapacity_ = 0;  // of the last block
    std::size_t textFree_ = 0;
};

using CableCatalogue = std::vector<std::unique_ptr<TTransmissionLine>>;  // owns its cables
using CableList = std::vector<TTransmissionLine*>;                       // points into a catalogue

// Builds one record from one "|"-delimited value. Numeric fields that are empty
// count as 0; a short record raises "List index out of bounds (%d)".
std::unique_ptr<TTransmissionLine> ParseCableRecord(std::string_view text);

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
    double maxLoss = 0;               // dB
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
