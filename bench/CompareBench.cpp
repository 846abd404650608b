#include <benchmark/benchmark.h>

#include "LargeData.h"
#include "rfq/RfqImport.h"
#include "session/CompareSizes.h"
#include "session/ProgramData.h"

namespace {

quill::ProgramData Load(const std::filesystem::path& folder) {
    return quill::LoadProgramData(folder / "program", folder / "shared",
                                  [](const std::function<void()>& step) { return step(), true; });
}

// A foam jumper of 10 ft across 800-2200 MHz with 7-16 DIN Male at both ends.
quill::Selection Jumper(const std::string& cable) {
    quill::Selection s;
    s.lengthText = "10";
    s.cableText = cable;
    s.vellisk = s.platedGrade = true;
    s.topConnector = s.bottomConnector = "7-16 DIN Male";
    s.standardLengthItem = 0;
    return s;
}

quill::Selection OfType(quill::Selection s, std::int64_t cableType) {
    s.cableTypeIndex = static_cast<int>(cableType);
    return s;
}

quill::ProgramData& LargeData() {
    static quill::ProgramData data = Load(LargeDataFolder());
    return data;
}

}  // namespace

// Every size the band admits in the large synthetic catalogue, compared at
// once: air coaxial (775 sizes) and foam coaxial (1,577 sizes).
static void BM_CompareSizes(benchmark::State& state) {
    quill::QuoteSession session(LargeData());
    const quill::Selection selection = OfType(Jumper(""), state.range(0));
    std::size_t sizes = 0;
    for (auto _ : state) sizes = quill::CompareSizes(session, selection).size();
    state.counters["sizes"] = static_cast<double>(sizes);
}
BENCHMARK(BM_CompareSizes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same comparison (foam) on a tenth of the cables and on all of them:
// the time per size stays level when the cost is linear in the sizes.
static void BM_CompareSizesScaled(benchmark::State& state) {
    static quill::ProgramData tenth = Load(TenthDataFolder());
    quill::QuoteSession session(state.range(0) == 10 ? LargeData() : tenth);
    const quill::Selection selection = OfType(Jumper(""), 1);
    std::size_t sizes = 0;
    for (auto _ : state) sizes = quill::CompareSizes(session, selection).size();
    state.counters["sizes"] = static_cast<double>(sizes);
    state.counters["per size"] = benchmark::Counter(
        static_cast<double>(sizes),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CompareSizesScaled)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// The reference: the same sizes quoted one after another through the session.
static void BM_SingleQuotesOfEachSize(benchmark::State& state) {
    quill::QuoteSession session(LargeData());
    if (session.CheckPageOne(OfType(Jumper(""), state.range(0))))
        state.SkipWithError("the band admits no size");
    const quill::CableList sizes = session.BandMatchedCables();
    for (auto _ : state) {
        for (const quill::TTransmissionLine* cable : sizes) {
            quill::Selection s = OfType(Jumper(cable->partNumber), state.range(0));
            s.cableGradeIndex = cable->gradeCode == "P" ? 1 : cable->gradeCode == "R" ? 2 : 0;
            try {
                benchmark::DoNotOptimize(session.Resolve(s).resolved);
            } catch (
                const std::exception&) {  // connectors the size lacks, as the comparison meets them
            }
        }
    }
    state.counters["sizes"] = static_cast<double>(sizes.size());
}
BENCHMARK(BM_SingleQuotesOfEachSize)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

namespace {

const int kRequestRows = 1000;

std::string Request() {
    std::string csv =
        "Quantity,Application,Length,Unit,Begin MHz,End MHz,Cable Type,Cable,Top Connector,"
        "Bottom Connector\r\n";
    for (int i = 0; i < kRequestRows; ++i)
        csv += "1,Jumper," + std::to_string(1 + i % 30) +
               ",Feet,800,2200,Foam,RVX4-50K,7-16 DIN Male,7-16 DIN Male\r\n";
    return csv;
}

}  // namespace

// A request of 1,000 rows on the bundled data: read, quoted, added to an order.
static void BM_ImportRequest(benchmark::State& state) {
    quill::ProgramData data = Load(std::filesystem::path(QUILLROUTE_SOURCE_DIR) / "data/sample");
    const std::string csv = Request();
    for (auto _ : state) {
        quill::QuoteSession session(data);
        quill::OrderBook book({});
        quill::CsvReader reader(quill::CsvBytes{csv});
        const quill::RfqImport import = quill::ImportRfq(reader, session, book);
        if (import.quoted != kRequestRows) state.SkipWithError("a row was not quoted");
    }
}
BENCHMARK(BM_ImportRequest)->Unit(benchmark::kMillisecond);

// The reference: the same 1,000 selections quoted one after another.
static void BM_SingleQuotesOfTheRequest(benchmark::State& state) {
    quill::ProgramData data = Load(std::filesystem::path(QUILLROUTE_SOURCE_DIR) / "data/sample");
    std::vector<quill::Selection> selections;
    for (int i = 0; i < kRequestRows; ++i) {
        selections.push_back(Jumper("RVX4-50K"));
        selections.back().lengthText = std::to_string(1 + i % 30);
    }
    for (auto _ : state) {
        quill::QuoteSession session(data);
        for (const quill::Selection& s : selections)
            benchmark::DoNotOptimize(session.Resolve(s).resolved);
    }
}
BENCHMARK(BM_SingleQuotesOfTheRequest)->Unit(benchmark::kMillisecond);
