#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>

#include "LargeData.h"
#include "QuietServices.h"
#include "app/TfrmMain.h"
#include "catalogue/DataFiles.h"
#include "controls/ComboBox.h"
#include "controls/PageControl.h"
#include "inifile/BigIniFile.h"

namespace {

std::filesystem::path DataFolder(int large) {
    return large ? LargeDataFolder() : std::filesystem::path(QUILLROUTE_SOURCE_DIR) / "data/sample";
}

struct Environment {
    QuietRegistry registry;
    QuietShell shell;
    QuietMessages messages;
    FixedClock clock;
    QuietFileDialogs fileDialogs;
    QuietClipboard clipboard;
    QuietPrinter printer;
    QuietDownloader downloader;
    Services services{registry,        shell,       messages,  clock,   {},        {},
                      {"x", "y", "z"}, fileDialogs, clipboard, printer, downloader};
    explicit Environment(const std::filesystem::path& data) {
        Application();
        registry.shared = (data / "shared").string();
        services.programFolder = data / "program";
        services.writtenFolder = data / "program";
    }
};

// Everything start-up reads, done by the core alone: price list with its
// index, exchange rates, catalogue, picture list and frequency lists.
void LoadLikeStartUp(const std::filesystem::path& data) {
    using namespace quill;
    const auto program = data / "program";
    PriceList prices(ReadAllLines(DataFilePath(data / "shared", "M_lom.dat")));
    StringList rates = ReadAllLines(DataFilePath(program, "xcngrate.dat"));
    CableCatalogue catalogue = LoadCableCatalogue(DataFilePath(program, "dat/tlineconnectors.dat"));
    StringList images = ReadAllLines(DataFilePath(program, "dat/images.dat"));
    FrequencyLists lists = BuildFrequencyLists(AllCables(catalogue));
    benchmark::DoNotOptimize(prices);
    benchmark::DoNotOptimize(rates);
    benchmark::DoNotOptimize(images);
    benchmark::DoNotOptimize(lists);
}

}  // namespace

// The main window's creation, splash excluded, on the bundled data (0) and on
// 5,000 cables x 20 connectors with a 200,000-line price list (1).
static void BM_WindowCreate(benchmark::State& state) {
    Environment environment(DataFolder(state.range(0)));
    for (auto _ : state) {
        TfrmMain window(environment.services);
        if (!window.FormCreate()) state.SkipWithError("start-up refused the data");
        benchmark::DoNotOptimize(window.Session().Data().catalogue.size());
    }
}
BENCHMARK(BM_WindowCreate)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

static void BM_CoreStartUpLoad(benchmark::State& state) {
    const auto data = DataFolder(state.range(0));
    for (auto _ : state) LoadLikeStartUp(data);
}
BENCHMARK(BM_CoreStartUpLoad)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Next on page 2 for the typical request on the large data set: price
// look-ups, the standard-jumper search that reads jumpers.dat anew, the page fill.
static void BM_NextOnPageTwo(benchmark::State& state) {
    Environment environment(LargeDataFolder());
    TfrmMain window(environment.services);
    if (!window.FormCreate()) state.SkipWithError("start-up refused the data");
    window.findChild<quill::ComboBox*>("cboLength")->SetText("10");
    auto* next = window.findChild<QPushButton*>("btnNext");
    auto* back = window.findChild<QPushButton*>("btnBack");
    auto* pages = window.findChild<quill::PageControl*>("PageControl1");
    next->click();
    for (auto _ : state) {
        next->click();
        state.PauseTiming();
        if (pages->ActivePage()->objectName() != "tsFinal")
            state.SkipWithError("Next on page 2 did not end on the final page");
        back->click();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NextOnPageTwo)->Unit(benchmark::kMillisecond);

static void BM_JumpersFileLoad(benchmark::State& state) {
    const auto file = LargeDataFolder() / "program" / "dat" / "jumpers.dat";
    for (auto _ : state) {
        quill::TBigIniFile reader(file);
        benchmark::DoNotOptimize(reader.SectionCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(std::filesystem::file_size(file)));
}
BENCHMARK(BM_JumpersFileLoad)->Unit(benchmark::kMillisecond);
