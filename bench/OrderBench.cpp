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

// Orders of 500, 5,000 and 50,000 item lines: what one interaction with the
// order page costs, each against the atomic write of that order's file
// alone, which every change of the order includes (the last-order file).

namespace {

namespace fs = std::filesystem;

quill::ItemLine Item(int i) {
    return quill::ItemLine{std::to_string(i % 9 + 1),
                           i % 7 == 0 ? "Feet" : "Each",
                           "PN-" + std::to_string(100000 + i),
                           "7-16 DIN Male connector for 1/2 in. foam cable, item " +
                               std::to_string(i) + ", plated, captivated inner contact",
                           std::to_string(10 + i % 90) + ".50",
                           quill::ItemKind::CoaxConnector};
}

// Lines Item(first) on.
quill::Order LargeOrder(int items, int first = 0) {
    quill::Order order;
    quill::ItemLines lines;
    for (int i = first; i < first + items; ++i) lines.push_back(Item(i));
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

    explicit OrderEnvironment(int items) {
        Application();
        const fs::path sample = fs::path(QUILLROUTE_SOURCE_DIR) / "data/sample";
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::copy(sample / "program", folder / "program", fs::copy_options::recursive);
        registry.shared = (sample / "shared").string();
        window = std::make_unique<TfrmMain>(services);
        window->FormCreate();
        window->show();
        window->Book().Open({LargeOrder(items), true});
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

void OrderSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(500)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
}

}  // namespace

static void BM_OrderAddOneLine(benchmark::State& state) {
    const int items = static_cast<int>(state.range(0));
    OrderEnvironment environment(items);
    TOrderPage& page = *environment.page;
    int next = items;
    for (auto _ : state) {
        page.AddResult({Item(next++)}, "USD", true);
        page.RefillOrderGrid();
    }
    if (environment.messages.boxes != 0) state.SkipWithError("a message box came up");
}
BENCHMARK(BM_OrderAddOneLine)->Apply(OrderSizes);

// A quantity typed into a cell in the middle, as the grid reports it.
static void BM_OrderQuantityEdit(benchmark::State& state) {
    const int items = static_cast<int>(state.range(0));
    OrderEnvironment environment(items);
    TOrderPage& page = *environment.page;
    auto* grid = page.findChild<quill::Grid*>("grdOrder");
    int value = 0;
    for (auto _ : state) {
        grid->SetCell(0, items / 2, QString::number(10 + (value++ % 2)));
        page.grdOrderCellEdit(0, items / 2);
    }
    if (environment.messages.boxes != 0) state.SkipWithError("a message box came up");
}
BENCHMARK(BM_OrderQuantityEdit)->Apply(OrderSizes);

// The row in the middle selected and deleted with a Yes to the question;
// each round adds a line at the end, so the order keeps its size.
static void BM_OrderDeleteOneLine(benchmark::State& state) {
    const int items = static_cast<int>(state.range(0));
    OrderEnvironment environment(items);
    environment.messages.confirm = true;
    TOrderPage& page = *environment.page;
    auto* grid = page.findChild<quill::Grid*>("grdOrder");
    int next = items;
    for (auto _ : state) {
        grid->clearSelection();
        grid->selectRow(items / 2);
        page.btnDeleteSelectedClick();
        state.PauseTiming();
        page.AddResult({Item(next++)}, "USD", true);
        page.RefillOrderGrid();
        state.ResumeTiming();
    }
    if (environment.window->Book().Lines().Count() != static_cast<std::size_t>(items))
        state.SkipWithError("not deleted");
}
BENCHMARK(BM_OrderDeleteOneLine)->Apply(OrderSizes);

static void BM_OrderFileWrite(benchmark::State& state) {
    OrderEnvironment environment(0);
    const quill::Order order = LargeOrder(static_cast<int>(state.range(0)));
    const fs::path file = environment.folder / "program" / "large.qrf";
    for (auto _ : state) quill::WriteOrderFile(file, order);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(fs::file_size(file)));
}
BENCHMARK(BM_OrderFileWrite)->Apply(OrderSizes);

static void BM_OrderFileRead(benchmark::State& state) {
    OrderEnvironment environment(0);
    const fs::path file = environment.folder / "program" / "large.qrf";
    quill::WriteOrderFile(file, LargeOrder(5000));
    for (auto _ : state) {
        quill::OrderFileContent content = quill::ReadOrderFile(file);
        benchmark::DoNotOptimize(content.order.Count());
    }
}
BENCHMARK(BM_OrderFileRead)->Unit(benchmark::kMillisecond);

// File, Open on a file of that many items: reading it, filling the grid, the
// totals and the last-order file. Two files take turns, so that each opening
// fills every row anew.
static void BM_OrderOpen(benchmark::State& state) {
    const int items = static_cast<int>(state.range(0));
    OrderEnvironment environment(0);
    fs::path files[2];
    for (int i = 0; i < 2; ++i) {
        files[i] = environment.folder / "program" / ("large" + std::to_string(i) + ".qrf");
        quill::WriteOrderFile(files[i], LargeOrder(items, i));
    }
    int turn = 0;
    for (auto _ : state) {
        environment.fileDialogs.answer = files[turn++ % 2];
        environment.page->Open1Click();
    }
    environment.fileDialogs.answer = files[0];
    environment.page->Open1Click();
    if (environment.window->Book().Lines().Count() != static_cast<std::size_t>(items))
        state.SkipWithError("not opened");
}
BENCHMARK(BM_OrderOpen)->Apply(OrderSizes);

// File, Export of the 5,000-row order page as the user runs it: the order
// taken from the grid, rendered and written. The ".xls" file (0) against the
// ".xlsx" workbook (1).
static void BM_OrderExportCommand(benchmark::State& state) {
    OrderEnvironment environment(5000);
    environment.fileDialogs.answer =
        environment.folder / (state.range(0) == 0 ? "order.xls" : "order.xlsx");
    QAction* command = environment.window->findChild<QAction*>(
        state.range(0) == 0 ? "ToanMSExcelSpreadsheet1" : "ToAnExcelWorkbook1");
    if (!command->isEnabled()) state.SkipWithError("the export is not offered");
    for (auto _ : state) command->trigger();
    if (!fs::exists(*environment.fileDialogs.answer)) state.SkipWithError("nothing written");
    state.SetLabel(state.range(0) == 0 ? "xls" : "xlsx");
}
BENCHMARK(BM_OrderExportCommand)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
