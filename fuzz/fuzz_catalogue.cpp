// The cable catalogue: a file either loads or stops with the program's error
// report, every connector it keeps is a whole record, and each is the value
// the plain name/value reading gives its line.

#include <cstdint>
#include <string>
#include <utility>

#include "FuzzSupport.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ConnectorChoices.h"
#include "catalogue/DataFiles.h"
#include "inifile/BigIniFile.h"
#include "text/Error.h"

using namespace quill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::FileWith(std::string_view(reinterpret_cast<const char*>(data), size));
    CableCatalogue catalogue;
    try {
        LoadCableCatalogue(file, catalogue);
    } catch (const QuillError& error) {
        FUZZ_CHECK(std::string(error.what()).find("input.dat [") == 0, "%s\n", error.what());
    }
    const TBigIniFile reader(file);
    for (std::size_t c = 0; c < catalogue.size(); ++c) {
        const int section = static_cast<int>(c) + 1;
        StringList lines;
        for (int i = 0; i < reader.SectionLineCount(section); ++i)
            lines.emplace_back(reader.SectionLine(section, i));
        FUZZ_CHECK(lines.size() == catalogue[c]->connectors.size() + 1);
        for (std::size_t i = 1; i < lines.size(); ++i) {
            // After the code, the seven fields as the connector holds them.
            const std::string record = LineValue(lines, LineName(lines[i]));
            const TConnector& connector = catalogue[c]->connectors[i - 1];
            std::string fields;
            for (const std::string_view field :
                 {connector.PartNumber(), connector.Name(), connector.Special(),
                  connector.MatesTo(), connector.Inner(), connector.GradeCode(),
                  connector.AttachmentCode()})
                fields += "|" + std::string(field);
            const std::size_t at = record.find('|');
            FUZZ_CHECK(
                at != std::string::npos && record.compare(at, fields.size(), fields) == 0 &&
                    (record.size() == at + fields.size() || record[at + fields.size()] == '|'),
                "[%s] line %zu\n", reader.SectionName(section).c_str(), i);
        }
    }
    for (const auto& cable : catalogue) {
        for (const TConnector& connector : cable->connectors) {
            for (const std::string_view field :
                 {connector.PartNumber(), connector.Name(), connector.Special(),
                  connector.MatesTo(), connector.Inner(), connector.GradeCode(),
                  connector.AttachmentCode()})
                FUZZ_CHECK(field.find('|') == std::string_view::npos);
        }
        for (const bool byName : {true, false}) {
            for (const std::string& key : ConnectorKeys(*cable, "P", "S", byName)) {
                EndChoice end{key, byName, kNoSpecial, kNoInner, "S", "P"};
                SpecialChoices(*cable, end);
                InnerChoices(*cable, end);
                if (const TConnector* found = FittingConnector(std::as_const(*cable), end))
                    FUZZ_CHECK((byName ? found->Name() : found->MatesTo()) == key);
            }
        }
    }
    try {
        BuildFrequencyLists(AllCables(catalogue));
    } catch (const QuillError&) {
    }
    return 0;
}
