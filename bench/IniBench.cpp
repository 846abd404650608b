// Loading and reading large sectioned data files with TBigIniFile, against
// libinih doing comparable work and against merely reading the file.
//
// The data files are generated on first use into a folder under the system's
// temporary folder and reused by later runs; nothing here is committed.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <ini.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "LargeData.h"
#include "catalogue/Catalogue.h"
#include "inifile/BigIniFile.h"
#include "orders/OrderFile.h"
#include "output/ExportContent.h"

namespace {

namespace fs = std::filesystem;

// --- Data --------------------------------------------------------------------------

class Random {
  public:
    std::uint64_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return state_;
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

  private:
    std::uint64_t state_ = 0x9E3779B97F4A7C15ULL;
};

void AppendWord(std::string& out, Random& random, int minLength, int maxLength) {
    static const char kChars[] = "ABCDEFGHJKLMNPQRSTUVWXYZ0123456789-";
    const int length = minLength + random.Below(maxLength - minLength + 1);
    for (int i = 0; i < length; ++i) out += kChars[random.Below(sizeof kChars - 1)];
}

void AppendNumber(std::string& out, Random& random) {
    out += std::to_string(random.Below(5000));
    out += '.';
    out += std::to_string(random.Below(100));
}

// One cable: a TLine record of 15 fields and about 20 connector records.
void AppendCable(std::string& out, Random& random, int index) {
    out += "[CABLE " + std::to_string(index) + "]\r\n";
    out += "TLine=";
    for (int field = 0; field < 15; ++field) {
        if (field % 3 == 0) {
            AppendWord(out, random, 2, 12);
        } else {
            AppendNumber(out, random);
        }
        out += '|';
    }
    out += "\r\n";
    const int connectors = 17 + random.Below(7);
    for (int c = 1; c <= connectors; ++c) {
        out += 'C' + std::to_string(c) + '=';
        AppendWord(out, random, 2, 4);  // code
        out += '|';
        AppendWord(out, random, 6, 12);  // part number
        out += '|';
        out += random.Below(2) ? "N Male Positive Stop" : "7-16 DIN Female";  // name
        out += '|';
        if (random.Below(4) == 0) AppendWord(out, random, 1, 3);  // special
        out += '|';
        AppendWord(out, random, 2, 4);  // mates
        out += '|';
        if (random.Below(3) == 0) out += "Silver";  // inner
        out += '|';
        out += random.Below(2) ? "P|S|\r\n" : "P||\r\n";
    }
    out += "\r\n";
}

// Bump the folder's version whenever the generator changes, so old files are not reused.
fs::path DataFolder() {
    fs::path folder = fs::temp_directory_path() / "quillroute-bench-ini-v2";
    fs::create_directories(folder);
    return folder;
}

// Cables until the file holds at least minBytes and at least minSections cables.
fs::path CatalogueFile(const std::string& name, std::size_t minBytes, int minSections) {
    const fs::path path = DataFolder() / name;
    std::error_code ec;
    if (fs::exists(path, ec) && fs::file_size(path, ec) >= minBytes) return path;

    const fs::path partial = fs::path(path) += ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        Random random;
        std::string chunk;
        std::size_t written = 0;
        for (int index = 0; written < minBytes || index < minSections; ++index) {
            AppendCable(chunk, random, index);
            if (chunk.size() >= (1u << 20)) {
                out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
                written += chunk.size();
                chunk.clear();
            }
            if (minSections > 0 && index + 1 == minSections && minBytes == 0) break;
        }
        out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        if (!out) throw std::runtime_error("cannot write " + partial.string());
    }
    fs::rename(partial, path);
    return path;
}

// Only section counts matter for the access files; their size follows.
fs::path SectionsFile(int sections) {
    return CatalogueFile("sections-" + std::to_string(sections) + ".dat", 0, sections);
}

fs::path SizedFile(int megabytes) {
    return CatalogueFile("catalogue-" + std::to_string(megabytes) + "MB.dat",
                         static_cast<std::size_t>(megabytes) * 1000 * 1000, 0);
}

// Reads the file once so every contender starts from the page cache.
void Warm(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> buffer(1 << 20);
    while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0) {
    }
}

// --- The contenders ----------------------------------------------------------------

struct InihStore {
    std::vector<std::pair<std::string, std::vector<std::string>>> sections;
    std::unordered_map<std::string, std::size_t> index;
    std::string lastSection;
    std::size_t current = 0;
    bool haveCurrent = false;
};

int InihHandler(void* user, const char* section, const char* name, const char* value) {
    auto* store = static_cast<InihStore*>(user);
    if (!store->haveCurrent || store->lastSection != section) {
        std::string key(section);
        for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        auto [where, isNew] = store->index.try_emplace(std::move(key), store->sections.size());
        if (isNew) store->sections.emplace_back(section, std::vector<std::string>());
        store->current = where->second;
        store->lastSection = section;
        store->haveCurrent = true;
    }
    std::string line(name);
    line += '=';
    line += value;
    store->sections[store->current].second.push_back(std::move(line));
    return 1;
}

std::size_t InihLoad(const fs::path& path) {
    InihStore store;
    if (ini_parse(path.c_str(), InihHandler, &store) < 0) throw std::runtime_error("ini_parse");
    return store.sections.size();
}

std::size_t OursLoad(const fs::path& path) {
    quill::TBigIniFile ini(path);
    return static_cast<std::size_t>(ini.SectionCount());
}

std::size_t RawRead(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) throw std::runtime_error("open");
    char buffer[16384];
    std::size_t lines = 0;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0) break;
        const char* p = buffer;
        const char* const stop = buffer + got;
        while (const void* cr = std::memchr(p, '\r', static_cast<std::size_t>(stop - p))) {
            ++lines;
            p = static_cast<const char*>(cr) + 1;
        }
    }
    ::close(fd);
    return lines;
}

// --- Throughput --------------------------------------------------------------------

template <std::size_t (*Load)(const fs::path&)>
void LoadBenchmark(benchmark::State& state) {
    const fs::path path = SizedFile(static_cast<int>(state.range(0)));
    Warm(path);
    const auto bytes = static_cast<std::int64_t>(fs::file_size(path));
    for (auto _ : state) benchmark::DoNotOptimize(Load(path));
    state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_IniLoadOurs(benchmark::State& state) { LoadBenchmark<OursLoad>(state); }
void BM_IniLoadInih(benchmark::State& state) { LoadBenchmark<InihLoad>(state); }
void BM_IniRawRead(benchmark::State& state) { LoadBenchmark<RawRead>(state); }

void SizedArgs(benchmark::internal::Benchmark* b) {
    b->ArgName("MB")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

BENCHMARK(BM_IniLoadOurs)->Apply(SizedArgs)->Arg(20)->Arg(200)->Iterations(2);
BENCHMARK(BM_IniLoadInih)->Apply(SizedArgs)->Arg(20)->Arg(200)->Iterations(1);
BENCHMARK(BM_IniRawRead)->Apply(SizedArgs)->Arg(20)->Arg(200)->Iterations(2);

// Releasing a loaded file (nothing changed, so nothing is written).
void BM_IniFree(benchmark::State& state) {
    const fs::path path = SizedFile(static_cast<int>(state.range(0)));
    Warm(path);
    for (auto _ : state) {
        auto ini = std::make_unique<quill::TBigIniFile>(path);
        const auto start = std::chrono::steady_clock::now();
        ini.reset();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}
BENCHMARK(BM_IniFree)
    ->ArgName("MB")
    ->Arg(20)
    ->Arg(200)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// --- Peak memory and a load in a fresh process ---------------------------------------

long StatusKilobytes(const std::string& file, const char* field) {
    std::ifstream status(file);
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(status, line)) {
        if (line.compare(0, length, field) == 0) return std::stol(line.substr(length + 1));
    }
    return -1;
}

std::shared_ptr<void> HoldOurs(const fs::path& path) {
    return std::make_shared<quill::TBigIniFile>(path);
}

std::shared_ptr<void> HoldCatalogue(const fs::path& path) {
    return std::make_shared<quill::CableCatalogue>(quill::LoadCableCatalogue(path));
}

// An order file's read and its export as a text file beside it, as
// quillroute-export does them; nothing is held afterwards but the peak.
std::shared_ptr<void> ExportOrder(const fs::path& path) {
    const quill::OrderFileContent read = quill::ReadOrderFile(path);
    const quill::ExportContent content = quill::OrderExportContent(read.order);
    const std::string error = quill::SaveRendering(
        fs::path(path) += ".txt",
        [&](const quill::TextSink& sink) { quill::RenderTextFileTo(content, sink); });
    if (!error.empty()) throw std::runtime_error(error);
    return nullptr;
}

std::shared_ptr<void> HoldInih(const fs::path& path) {
    auto store = std::make_shared<InihStore>();
    if (ini_parse(path.c_str(), InihHandler, store.get()) < 0)
        throw std::runtime_error("ini_parse");
    return store;
}

struct ChildReport {
    long baseKilobytes = -1;  // resident before loading
    long peakKilobytes = -1;  // highest resident size, the loaded data still held
    double loadSeconds = 0;
};

// Set in the child's environment: "ours" or "inih", the file, and the descriptor to report on.
constexpr const char* kChildVariable = "QUILLROUTE_INI_LOAD_CHILD";

// The child's side: runs in a freshly started copy of this program, so no
// memory freed by an earlier load can be reused, loads once, keeps the data
// until the peak is read and reports on the given descriptor.
[[noreturn]] void RunChild(const std::string& kind, const fs::path& path, int reportFd) {
    ChildReport mine;
    mine.baseKilobytes = StatusKilobytes("/proc/self/status", "VmRSS:");
    // Tells the parent that sampling may begin: before this, the child's size
    // may still be the parent's, inherited through fork.
    (void)!::write(reportFd, &mine.baseKilobytes, sizeof mine.baseKilobytes);
    const auto start = std::chrono::steady_clock::now();
    std::shared_ptr<void> held = kind == "inih"           ? HoldInih(path)
                                 : kind == "catalogue"    ? HoldCatalogue(path)
                                 : kind == "order-export" ? ExportOrder(path)
                                                          : HoldOurs(path);
    mine.loadSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    mine.peakKilobytes = std::max(StatusKilobytes("/proc/self/status", "VmHWM:"),
                                  StatusKilobytes("/proc/self/status", "VmRSS:"));
    (void)!::write(reportFd, &mine, sizeof mine);
    ::_exit(0);  // without freeing: only the load is measured
}

// A copy of this program started as a child does its one load while the
// program's globals are set up, before the benchmark library sees it.
const bool kIsChild = [] {
    const char* task = std::getenv(kChildVariable);
    if (task == nullptr) return false;
    std::string text(task);
    const std::size_t first = text.find('\n');
    const std::size_t second = text.find('\n', first + 1);
    RunChild(text.substr(0, first), text.substr(first + 1, second - first - 1),
             std::atoi(text.c_str() + second + 1));
}();

// Starts the child and samples its resident size meanwhile, in case a passing
// peak escapes the kernel's high-water mark.
ChildReport LoadInChild(const std::string& kind, const fs::path& path, long& sampledKilobytes) {
    ChildReport report;
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return report;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        const std::string task = kind + "\n" + path.string() + "\n" + std::to_string(pipeEnds[1]);
        ::setenv(kChildVariable, task.c_str(), 1);
        ::execl("/proc/self/exe", "quillroute_bench", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    const std::string status = "/proc/" + std::to_string(child) + "/status";
    sampledKilobytes = -1;
    long started = -1;
    if (::read(pipeEnds[0], &started, sizeof started) != sizeof started) started = -1;
    int exitStatus = 0;
    while (started >= 0 && ::waitpid(child, &exitStatus, WNOHANG) == 0) {
        sampledKilobytes = std::max(sampledKilobytes, StatusKilobytes(status, "VmRSS:"));
        ::usleep(1000);
    }
    if (started < 0 || ::read(pipeEnds[0], &report, sizeof report) != sizeof report) {
        report = ChildReport();
    }
    ::close(pipeEnds[0]);
    ::waitpid(child, &exitStatus, 0);
    return report;
}

void FreshProcessFileBenchmark(benchmark::State& state, const std::string& kind,
                               const fs::path& path);

void FreshProcessBenchmark(benchmark::State& state, const std::string& kind) {
    FreshProcessFileBenchmark(state, kind, SizedFile(static_cast<int>(state.range(0))));
}

void FreshProcessFileBenchmark(benchmark::State& state, const std::string& kind,
                               const fs::path& path) {
    Warm(path);
    const double bytes = static_cast<double>(fs::file_size(path));
    ChildReport report;
    long sampled = -1;
    for (auto _ : state) report = LoadInChild(kind, path, sampled);
    if (report.loadSeconds <= 0) {
        state.SkipWithError("the child process did not report");
        return;
    }
    const double peak =
        static_cast<double>(std::max(report.peakKilobytes, sampled) - report.baseKilobytes) *
        1024.0;
    state.counters["file_MB"] = bytes / 1e6;
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["peak_per_file_byte"] = peak / bytes;
    state.counters["load_MB_per_s"] = report.loadSeconds > 0 ? bytes / 1e6 / report.loadSeconds : 0;
}

void BM_IniFreshProcessOurs(benchmark::State& state) { FreshProcessBenchmark(state, "ours"); }
void BM_IniFreshProcessInih(benchmark::State& state) { FreshProcessBenchmark(state, "inih"); }
BENCHMARK(BM_IniFreshProcessOurs)
    ->ArgName("MB")
    ->Arg(20)
    ->Arg(200)
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IniFreshProcessInih)
    ->ArgName("MB")
    ->Arg(20)
    ->Arg(200)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The catalogue against the reader alone on the same file, each loaded in a
// fresh process: 0 the large synthetic set (5,000 cables of 20 connectors),
// 1 one cable of 100,000 connectors.
fs::path CatalogueMemoryFile(int which) {
    return which == 0 ? LargeDataFolder() / "program" / "dat" / "tlineconnectors.dat"
                      : OneCableFile();
}
void BM_CatalogueFreshProcessReader(benchmark::State& state) {
    FreshProcessFileBenchmark(state, "ours", CatalogueMemoryFile(static_cast<int>(state.range(0))));
}
void BM_CatalogueFreshProcessCatalogue(benchmark::State& state) {
    FreshProcessFileBenchmark(state, "catalogue",
                              CatalogueMemoryFile(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_CatalogueFreshProcessReader)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CatalogueFreshProcessCatalogue)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);

// --- Reading every section in file order -------------------------------------------

// As the catalogue readers do: walk the sections by index and read each by name
// into a cleared list. The cost per section should not grow with the count.
void BM_IniSectionsInOrder(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const fs::path path = SectionsFile(count);
    static std::map<int, std::unique_ptr<quill::TBigIniFile>> loaded;
    auto& ini = loaded[count];
    if (!ini) ini = std::make_unique<quill::TBigIniFile>(path);
    if (ini->SectionCount() != count) {
        state.SkipWithError("unexpected section count");
        return;
    }
    quill::StringList lines;
    for (auto _ : state) {
        for (int i = 0; i < count; ++i) {
            lines.clear();
            ini->ReadSectionLines(ini->SectionName(i), lines);
            benchmark::DoNotOptimize(lines.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["per_section"] = benchmark::Counter(
        static_cast<double>(count),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_IniSectionsInOrder)
    ->ArgName("sections")
    ->Arg(5000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// A valid order file of 200 MB, in one of two shapes: 0 items as the wizard
// makes them (a standard jumper's description, about 135 bytes a line), 1
// the shortest items an order holds (about 29 bytes a line), where the cost
// of each item weighs most.
fs::path HugeOrderFile(int shape) {
    const fs::path path = DataFolder() / ("order-200MB-v2-" + std::to_string(shape) + ".qrf");
    constexpr std::size_t kBytes = 200 * 1000 * 1000;
    std::error_code ec;
    if (fs::exists(path, ec) && fs::file_size(path, ec) >= kBytes) return path;
    const fs::path partial = fs::path(path) += ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        std::string chunk =
            "[Header]\r\nApp=Quillroute\r\n\r\n[SITE 001 LOM]\r\nSite Name=\r\nSite Number=\r\n"
            "Ship To City=\r\nShip To State/Province=\r\nShip To Country=\r\n";
        std::size_t written = 0;
        for (long item = 1; written + chunk.size() < kBytes; ++item) {
            const std::string n = std::to_string(item);
            if (shape == 0)
                chunk += n + "=" + std::to_string(item % 50 + 1) + "|Each|QR-001|J4V-DMDM-" + n +
                         "M|1/2 in Foam Cable Jumper, Connector1 = N Male, Connector2 = 7-16 DIN "
                         "Female " +
                         n + "|" + std::to_string(item % 99999 + 1) + ".25|\r\n";
            else
                chunk += n + "=" + std::to_string(item % 7 + 1) + "|Each||P" +
                         std::to_string(item % 1000) + "|x|1.5|\r\n";
            if (chunk.size() >= (1u << 20)) {
                out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
                written += chunk.size();
                chunk.clear();
            }
        }
        out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        if (!out) throw std::runtime_error("cannot write " + partial.string());
    }
    fs::rename(partial, path);
    return path;
}

// Reading a huge order and writing its text export, against the reader alone
// on the same file, each in a fresh process: load_MB_per_s is the file's
// megabytes by the seconds of the whole read and export, peak_per_file_byte
// the highest memory over the file's size.
void BM_HugeOrderReaderAlone(benchmark::State& state) {
    FreshProcessFileBenchmark(state, "ours", HugeOrderFile(static_cast<int>(state.range(0))));
}
void BM_HugeOrderReadAndExport(benchmark::State& state) {
    FreshProcessFileBenchmark(state, "order-export",
                              HugeOrderFile(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_HugeOrderReaderAlone)
    ->ArgName("shape")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HugeOrderReadAndExport)
    ->ArgName("shape")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
