#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "QuietServices.h"
#include "RecordingSurface.h"
#include "orders/Order.h"
#include "output/ExportContent.h"
#include "output/ListOfMaterials.h"
#include "output/PdfDocument.h"
#include "platform/AtomicSave.h"
#include "session/Datasheet.h"
#include "session/ProgramData.h"

// What leaves the program for an order of 5,000 rows: each rendering from the
// content model against the atomic write of as many bytes alone, the print
// layout on a recording surface, and the PDF.

namespace {

namespace fs = std::filesystem;

const quill::ExportContent& LargeContent() {
    // The content streams its rows from the order, which lives as long.
    static quill::Order order;
    static const quill::ExportContent content = [] {
        quill::ItemLines lines;
        for (int i = 0; i < 5000; ++i)
            lines.push_back(quill::ItemLine{
                std::to_string(i % 9 + 1), "Each", "PN-" + std::to_string(100000 + i),
                "7-16 DIN Male connector for 1/2 in. foam cable & \"clamp\" <" + std::to_string(i) +
                    ">",
                std::to_string(10 + i % 90) + ".50", quill::ItemKind::CoaxConnector});
        order.Merge(lines, "EUR");
        quill::ExportContent made = quill::OrderExportContent(order);
        made.foreignCurrency = true;
        made.exchangeRateDate = "11/30/2026";
        made.pricingUpdateDate = "12/07/2026";
        return made;
    }();
    return content;
}

quill::ListOfMaterials LargeList() {
    quill::ListOfMaterials list;
    list.rows = quill::RowsOf(LargeContent());
    list.total = LargeContent().total.value;
    list.webAddress = "https://www.orlenk.example";
    return list;
}

using Renderer = std::string (*)(const quill::ExportContent&);
constexpr Renderer kRenderers[] = {quill::RenderClipboardText, quill::RenderTextFile,
                                   quill::RenderSpreadsheetFile, quill::RenderHtml};
constexpr const char* kNames[] = {"clipboard", "text", "spreadsheet", "html"};

fs::path WriteTarget() {
    return fs::temp_directory_path() / ("quillroute-bench-output-" + std::to_string(::getpid()));
}

}  // namespace

static void BM_ExportRender(benchmark::State& state) {
    const Renderer render = kRenderers[state.range(0)];
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = render(LargeContent());
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetLabel(kNames[state.range(0)]);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_ExportRender)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The atomic write of as many bytes as the rendering gives, alone.
static void BM_ExportAtomicWriteAlone(benchmark::State& state) {
    const std::string bytes(kRenderers[state.range(0)](LargeContent()).size(), 'x');
    const fs::path file = WriteTarget();
    for (auto _ : state)
        if (!quill::SaveFileAtomically(file, bytes).empty()) state.SkipWithError("write failed");
    fs::remove(file);
    state.SetLabel(kNames[state.range(0)]);
}
BENCHMARK(BM_ExportAtomicWriteAlone)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The page count and then the whole layout, as Print does, on a surface that
// records every call.
static void BM_PrintLayout(benchmark::State& state) {
    const quill::ListOfMaterials list = LargeList();
    int pages = 0;
    for (auto _ : state) {
        quill::fakes::RecordingSurface surface;
        pages = quill::PrintWholeList(surface, 5100, list);
        benchmark::DoNotOptimize(surface.calls.size());
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PrintLayout)->Unit(benchmark::kMillisecond);

static void BM_PdfWrite(benchmark::State& state) {
    Application();
    const quill::ListOfMaterials list = LargeList();
    const fs::path file = WriteTarget();
    for (auto _ : state)
        if (!quill::SaveFileAtomically(file, quill::ListOfMaterialsPdf(list)).empty())
            state.SkipWithError("write failed");
    fs::remove(file);
}
BENCHMARK(BM_PdfWrite)->Unit(benchmark::kMillisecond)->Iterations(3);

// The whole export of the order to a file, rendering and atomic write: the
// ".xls" file (0) against the ".xlsx" workbook (1), which should cost at most
// three times as much.
static void BM_ExportSpreadsheetToFile(benchmark::State& state) {
    const Renderer render =
        state.range(0) == 0 ? quill::RenderSpreadsheetFile : quill::RenderWorkbook;
    const fs::path file = WriteTarget();
    for (auto _ : state)
        if (!quill::SaveFileAtomically(file, render(LargeContent())).empty())
            state.SkipWithError("write failed");
    fs::remove(file);
    state.SetLabel(state.range(0) == 0 ? "xls" : "xlsx");
}
BENCHMARK(BM_ExportSpreadsheetToFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The datasheet of the sample data's 10 ft jumper as a PDF (0), beside the
// list of materials of an order of 10 rows (1), in the same run.
static void BM_DatasheetPdf(benchmark::State& state) {
    Application();
    const fs::path sample = fs::path(QUILLROUTE_SOURCE_DIR) / "data/sample";
    static quill::ProgramData data =
        quill::LoadProgramData(sample / "program", sample / "shared",
                               [](const std::function<void()>& step) { return step(), true; });
    quill::QuoteSession session(data);
    quill::Selection s;
    s.lengthText = "10";
    s.cableText = "RVX4-50K";
    s.vellisk = s.platedGrade = true;
    s.topConnector = s.bottomConnector = "7-16 DIN Male";
    if (!session.Resolve(s).resolved) state.SkipWithError("not quoted");
    quill::ListOfMaterials list = LargeList();
    list.rows.resize(10);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string pdf =
            state.range(0) == 0
                ? quill::DatasheetPdf(quill::MakeDatasheet(session, *session.Result(),
                                                           {true, "12/09/2026", "", {}}),
                                      data.programFolder / "images")
                : quill::ListOfMaterialsPdf(list);
        bytes = pdf.size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetLabel(state.range(0) == 0 ? "datasheet" : "order of 10 rows");
}
BENCHMARK(BM_DatasheetPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
