#pragma once

#include <filesystem>
#include <string>
#include <unordered_map>

#include "catalogue/Catalogue.h"
#include "inifile/BigIniFile.h"

namespace quill {

// The assembly being configured: the chosen cable and connectors (pointing
// into the catalogue), and what the standard-jumper search and the price list
// found for it.
struct TJumper {
    TTransmissionLine* cable = nullptr;
    TConnector* topConnector = nullptr;
    TConnector* bottomConnector = nullptr;
    std::string basePartNumber;  // the part number without its length code
    std::string source;          // where the search found it: "jumpers.dat [RVX4-50K]"
    std::string partNumber;      // as shown on the final page
    std::string description;     // from the price list
    std::string feetLengths;     // standard lengths in feet, "3,6,10,15"
    std::string meterLengths;    // standard lengths in meters, "1,1.5,2,3"
    double price = 0;            // US dollars
    ConvertedPrices convertedPrices{};
    bool hasListPrice = false;
};

// Copies the base part number and both length lists of a whole jumper line
// (key included: the key stays glued to the first field) into the jumper.
void ReadJumperRecord(const std::string& line, TJumper& jumper);

// Searches "jumpers.dat" for the jumper's cable and its pair of connector codes,
// in either order. Only the first section naming the cable is searched; the
// file's first section never is. The file is read anew at every search.
bool FindStandardJumper(const std::filesystem::path& fileName, TJumper& jumper);

// The standard-jumper file read once, with the first section naming each
// cable known by the cable's part number, for searches one after another.
class StandardJumpers {
  public:
    explicit StandardJumpers(const std::filesystem::path& file);
    // The search FindStandardJumper makes, in the file as it was read.
    bool Find(TJumper& jumper) const;

  private:
    TBigIniFile reader_;
    std::string fileName_;
    std::unordered_map<std::string, int> sectionOfCable_;  // by upper-case part number
};

}  // namespace quill
