#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "catalogue/Catalogue.h"
#include "catalogue/DataFiles.h"
#include "platform/Registry.h"
#include "pricing/Currency.h"
#include "pricing/PriceList.h"
#include "text/Fields.h"

namespace quill {

class StandardJumpers;

// Everything start-up reads: the price list from the shared folder; the
// catalogue, the picture list and the exchange rates (with the date of their
// file) beside the program; and the frequency lists made from the catalogue.
struct ProgramData {
    // The required files that are not there; nothing else is read then.
    StringList missing;
    std::filesystem::path programFolder;
    std::filesystem::path sharedFolder;
    PriceList priceList;
    bool hasExchangeRates = false;  // "xcngrate.dat" is beside the program
    ExchangeRates exchangeRates;
    std::string exchangeRateDate;  // "mm/dd/yyyy" of the file's last change
    CableCatalogue catalogue;
    StringList imageLines;
    FrequencyLists frequencies;

    // The rates the price look-ups convert with; none without an exchange-rate file.
    const ExchangeRates* ConvertingRates() const {
        return hasExchangeRates ? &exchangeRates : nullptr;
    }
    std::filesystem::path JumpersFile() const;
    // The standard-jumper file as read, read again when its size or its time
    // of change is not what it was (a replaced file counts at the next search).
    std::shared_ptr<const StandardJumpers> Jumpers() const;
    std::filesystem::path PriceListFile() const;  // "M_lom.dat" in the shared folder

  private:
    struct JumpersRead {
        std::shared_ptr<const StandardJumpers> reader;
        std::filesystem::path file;
        std::filesystem::file_time_type changed;
        std::uintmax_t size = 0;
    };
    mutable JumpersRead jumpers_;
};

// Runs one step of the load and answers whether it ran to its end. The
// window shows a step's error in its error box and goes on; a command writes it.
using LoadStep = std::function<bool(const std::function<void()>& step)>;

// The message for required files that are missing: the sentence users know,
// then each file it means on a line of its own.
std::string MissingFilesMessage(const StringList& missing);

// Reads what start-up reads, in the order the window has always read it: a
// file that cannot be read leaves its part empty and the load goes on. With
// a required file missing it reads nothing and names the missing files.
ProgramData LoadProgramData(const std::filesystem::path& programFolder,
                            const std::filesystem::path& sharedFolder, const LoadStep& run);

// Where a command finds the data when not told: the program folder is the
// command's own; the shared folder lies beside it as in the sample data set,
// or in PREFIX/share/quillroute for a program installed in PREFIX/lib/quillroute,
// else the program folder itself.
std::filesystem::path OwnFolder(const char* argv0);
// A folder as the registry holds it: a Windows-1252 text.
std::filesystem::path PathFromRegistry(const std::string& value);
std::filesystem::path DefaultSharedFolder(const std::filesystem::path& programFolder);
// The shared folder registered for the user when there is one (`registered`
// then says so), else DefaultSharedFolder.
std::filesystem::path SharedFolderFor(Registry& registry,
                                      const std::filesystem::path& programFolder,
                                      bool* registered = nullptr);

// The local date of a file's last change as "mm/dd/yyyy"; empty when it has none.
std::string FileDate(const std::filesystem::path& file);

// The message for a catalogue that holds no cable.
std::string EmptyCatalogueMessage(const std::filesystem::path& catalogue);

}  // namespace quill
