#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <filesystem>

#include "QuietServices.h"
#include "app/TfrmMain.h"
#include "controls/Grid.h"
#include "controls/PageControl.h"
#include "orders/OrderFile.h"
#include "orders/TOrderPage.h"

// An order of 5,000 item lines: what one interaction with the order page
// costs, each against the atomic write of that order's file alone, which
// every change of the order includes (the last-order file).

namespace {

namespace fs = std::filesystem;

constexpr int kItems = 5000;

quill::ItemLine Item(int i) {
    return quill::ItemLine{std::to_string(i % 9 + 1),
                           i % 7 == 0 ? "Feet" : "Each",
                           "PN-" + std::to_string(100000 + i),
                           "7-16 DIN Male connector for 1/2 in. foam cable, item " +
                               std::to_string(i) + ", plated, captivated inner contact",
                           std::to_string(10 + i % 90) + ".50",
                           quill::ItemKind::CoaxConnector};
}

quill::Order LargeOrder() {
    quill::Order order;
    quill::ItemLines lines;
    for (int i = 0; i < kItems; ++i) lines.push_back(Item(i));
    order.Merge(lines, "USD");
    return order;
}

// A program folder of its own, so the last-order file never lands in the tree.
struct OrderEnvironment {
    QuietRegistry registry;
    QuietShell shell;
    QuietMessages messages;
    FixedClock clock;
    QuietFileDialogs fileDialogs;
    QuietClipboard clipboard;
    QuietPrinter printer;
    QuietDownloader downloader;
    fs::path folder =
        fs::temp_directory_path() / ("quillroute-bench-orders-" + std::to_string(::getpid()));
    Services services{
        registry,        shell,       messages,  clock,   folder / "program", folder / "program",
        {"x", "y", "z"}, fileDialogs, clipboard, printer, downloader};
    std::unique_ptr<TfrmMain> window;
    TOrderPage* page = nullptr;

    OrderEnvironment() {
        Application();
        const fs::path sample = fs::path(QUILLROUTE_SOURCE_DIR) / "data/sample";
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::copy(sample / "program", folder / "program", fs::copy_options::recursive);
        registry.shared = (sample / "shared").string();
        window = std::make_unique<TfrmMain>(services);
        window->FormCreate();
        window->show();
        window->Book().Open({LargeOrder(), true});
        page = window->findChild<TOrderPage*>("tsOrder");
        window->findChild<quill::PageControl*>("PageControl1")->SetActivePage(page);
        page->RefillOrderGrid();
        QApplication::processEvents();
    }
    ~OrderEnvironment() {
        window.reset();
        fs::remove_all(folder);
    }
};

}  // namespace

static void BM_OrderAddOneLine(benchmark::State& state) {
    OrderEnvironment environment;
    TOrderPage& page = *environment.page;
    int next = kItems;
    for (auto _ : state) {
        page.AddResult({Item(next++)}, "USD", true);
        page.RefillOrderGrid();
    }
    if (environment.messages.boxes != 0) state.SkipWithError("a message box came up");
}
BENCHMARK(BM_OrderAddOneLine)->Unit(benchmark::kMillisecond);

// A quantity typed into a cell in the middle, as the grid reports it.
static void BM_OrderQuantityEdit(benchmark::State& state) {
    OrderEnvironment environment;
    TOrderPage& page = *environment.page;
    auto* grid = page.findChild<quill::Grid*>("grdOrder");
    int value = 0;
    for (auto _ : state) {
        grid->SetCell(0, kItems / 2, QString::number(10 + (value++ % 2)));
        page.grdOrderCellEdit(0, kItems / 2);
    }
    if (environment.messages.boxes != 0) state.SkipWithError("a message box came up");
}
BENCHMARK(BM_OrderQuantityEdit)->Unit(benchmark::kMillisecond);

static void BM_OrderFileWrite(benchmark::State& state) {
    OrderEnvironment environment;
    const quill::Order order = LargeOrder();
    const fs::path file = environment.folder / "program" / "large.qrf";
    for (auto _ : state) quill::WriteOrderFile(file, order);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(fs::file_size(file)));
}
BENCHMARK(BM_OrderFileWrite)->Unit(benchmark::kMillisecond);

static void BM_OrderFileRead(benchmark::State& state) {
    OrderEnvironment environment;
    const fs::path file = environment.folder / "program" / "large.qrf";
    quill::WriteOrderFile(file, LargeOrder());
    for (auto _ : state) {
        quill::OrderFileContent content = quill::ReadOrderFile(file);
        benchmark::DoNotOptimize(content.order.Count());
    }
}
BENCHMARK(BM_OrderFileRead)->Unit(benchmark::kMillisecond);

// File, Open on a 5,000-item file: reading it, filling the grid, the totals
// and the last-order file.
static void BM_OrderOpen(benchmark::State& state) {
    OrderEnvironment environment;
    const fs::path file = environment.folder / "program" / "large.qrf";
    quill::WriteOrderFile(file, LargeOrder());
    environment.fileDialogs.answer = file;
    for (auto _ : state) environment.page->Open1Click();
    if (environment.window->Book().Lines().Count() != kItems) state.SkipWithError("not opened");
}
BENCHMARK(BM_OrderOpen)->Unit(benchmark::kMillisecond);

// File, Export of the 5,000-row order page as the user runs it: the order
// taken from the grid, rendered and written. The ".xls" file (0) against the
// ".xlsx" workbook (1).
static void BM_OrderExportCommand(benchmark::State& state) {
    OrderEnvironment environment;
    environment.fileDialogs.answer =
        environment.folder / (state.range(0) == 0 ? "order.xls" : "order.xlsx");
    QAction* command = environment.window->findChild<QAction*>(
        state.range(0) == 0 ? "ToanMSExcelSpreadsheet1" : "ToAnExcelWorkbook1");
    for (auto _ : state) command->trigger();
    if (!fs::exists(*environment.fileDialogs.answer)) state.SkipWithError("nothing written");
    state.SetLabel(state.range(0) == 0 ? "xls" : "xlsx");
}
BENCHMARK(BM_OrderExportCommand)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
