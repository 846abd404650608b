// The standard-jumper search: any file either finds the pair or not, or
// stops with an error naming the file and the section; the lengths of what it
// finds make a list whose every line reads as numbers.

#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Jumpers.h"
#include "results/StandardLengths.h"
#include "text/Error.h"

using namespace quill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::FileWith(std::string_view(reinterpret_cast<const char*>(data), size));
    TTransmissionLine cable;
    cable.partNumber = "RVX4-50K";
    cable.AddConnector("414001|F4DM-PV|7-16 DIN Male||7-16 DIN Female||P|S|");
    cable.AddConnector("414002|F4NM-PV|N Male||N Female||P|S|");
    TJumper jumper;
    jumper.cable = &cable;
    jumper.topConnector = &cable.Connector(0);
    jumper.bottomConnector = &cable.Connector(1);
    try {
        if (!FindStandardJumper(file, jumper)) return 0;
    } catch (const QuillError& error) {
        FUZZ_CHECK(std::string(error.what()).find("input.dat [") == 0, "%s\n", error.what());
        return 0;
    }
    StringList rejected;
    for (const std::string& line :
         BuildStandardLengthList(jumper.feetLengths, jumper.meterLengths, &rejected)) {
        double feet = 0, meters = 0;
        FUZZ_CHECK(TryStrToFloat(FieldAt(line, 2), feet) && TryStrToFloat(FieldAt(line, 3), meters),
                   "%s\n", line.c_str());
        FUZZ_CHECK(feet > 0 && meters > 0);
    }
    return 0;
}
