#include "session/ProgramData.h"

#include "catalogue/Jumpers.h"
#include "inifile/BigIniFile.h"
#include "platform/Clock.h"
#include "platform/PathText.h"
#include "text/Error.h"
#include "text/Windows1252.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace quill {

namespace fs = std::filesystem;

fs::path ProgramData::JumpersFile() const { return DataFilePath(programFolder, "dat/jumpers.dat"); }

namespace {

bool LookAt(const fs::path& file, fs::file_time_type& changed, std::uintmax_t& size) {
    std::error_code error;
    changed = fs::last_write_time(file, error);
    if (!error) size = fs::file_size(file, error);
    return !error;
}

}  // namespace

std::shared_ptr<const StandardJumpers> ProgramData::Jumpers() const {
    // The file read before is looked at first; its name is looked up again
    // (in any case) only when that file is gone or changed.
    fs::file_time_type changed;
    std::uintmax_t size = 0;
    if (jumpers_.reader && LookAt(jumpers_.file, changed, size) && changed == jumpers_.changed &&
        size == jumpers_.size)
        return jumpers_.reader;
    const fs::path file = JumpersFile();
    const bool seen = LookAt(file, changed, size);
    auto reader = std::make_shared<const StandardJumpers>(file);
    // A file that cannot be looked at is read as it is, every time.
    if (seen) jumpers_ = {reader, file, changed, size};
    return reader;
}

fs::path ProgramData::PriceListFile() const { return DataFilePath(sharedFolder, "M_lom.dat"); }

std::string MissingFilesMessage(const StringList& missing) {
    std::string text = "One or more files needed to run this application are missing.";
    for (const std::string& file : missing) text += "\r" + file;
    return text;
}

std::string EmptyCatalogueMessage(const fs::path& catalogue) {
    return "The catalogue " + Utf8Of(catalogue) +
           " holds no cable this program can read, so there is nothing to choose from. Please "
           "install the catalogue again.";
}

fs::path OwnFolder(const char* argv0) {
#ifdef _WIN32
    std::wstring module(32768, L'\0');
    const DWORD length =
        ::GetModuleFileNameW(nullptr, module.data(), static_cast<DWORD>(module.size()));
    if (length > 0 && length < module.size()) {
        module.resize(length);
        return fs::path(module).parent_path();
    }
#endif
    std::error_code error;
    const fs::path self = fs::canonical("/proc/self/exe", error);
    if (!error) return self.parent_path();
    return fs::absolute(argv0, error).parent_path();
}

fs::path PathFromRegistry(const std::string& value) {
    return PathFromUtf8(Windows1252ToUtf8(value));
}

fs::path DefaultSharedFolder(const fs::path& program) {
    fs::path folder = fs::absolute(program).lexically_normal();
    if (folder.filename().empty()) folder = folder.parent_path();
    for (const fs::path& shared : {folder.parent_path() / "shared",
                                   folder.parent_path().parent_path() / "share/quillroute/shared"})
        if (FindFileIgnoringCase(shared, "M_lom.dat")) return shared;
    return program;
}

fs::path SharedFolderFor(Registry& registry, const fs::path& program, bool* registered) {
    const std::optional<std::string> path = registry.ReadString(kCommonFilesKey, "Path");
    if (registered) *registered = path && !path->empty();
    if (path && !path->empty()) return PathFromRegistry(*path);
    return DefaultSharedFolder(program);
}

std::string FileDate(const fs::path& file) {
    const std::optional<Date> day = DayOfLastChange(file);
    return day ? FormatDate(*day) : std::string();
}

ProgramData LoadProgramData(const fs::path& programFolder, const fs::path& sharedFolder,
                            const LoadStep& run) {
    ProgramData data;
    data.programFolder = programFolder;
    data.sharedFolder = sharedFolder;
    data.missing = MissingRequiredFiles(sharedFolder, programFolder);
    if (!data.missing.empty()) return data;
    const auto rates = FindFileIgnoringCase(programFolder, "xcngrate.dat");
    data.hasExchangeRates = rates.has_value();
    run([&] { data.priceList = PriceList(ReadAllLines(data.PriceListFile())); });
    if (rates) {
        data.exchangeRateDate = FileDate(*rates);
        run([&] { data.exchangeRates = ExchangeRates(ReadAllLines(*rates)); });
    }
    const fs::path catalogue = DataFilePath(programFolder, "dat/tlineconnectors.dat");
    if (run([&] { LoadCableCatalogue(catalogue, data.catalogue); }) && data.catalogue.empty())
        run([&] { throw QuillError(EmptyCatalogueMessage(catalogue)); });
    run([&] { data.frequencies = BuildFrequencyLists(AllCables(data.catalogue)); });
    run([&] { data.imageLines = ReadAllLines(DataFilePath(programFolder, "dat/images.dat")); });
    return data;
}

}  // namespace quill
