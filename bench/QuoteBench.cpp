#include <benchmark/benchmark.h>

#include "session/ProgramData.h"
#include "session/QuoteSession.h"

// What quillroute-quote does for each line, on the bundled data: the whole
// wizard at once for a jumper of 1 to 30 ft (final pages, standard lengths)
// and a feeder (the parts list), one after another on one session.
static void BM_QuoteResolve(benchmark::State& state) {
    const std::filesystem::path data = std::filesystem::path(QUILLROUTE_SOURCE_DIR) / "data/sample";
    quill::ProgramData program =
        quill::LoadProgramData(data / "program", data / "shared",
                               [](const std::function<void()>& step) { return step(), true; });
    quill::QuoteSession session(program);
    std::vector<quill::Selection> selections;
    for (int length = 1; length <= 30; ++length) {
        quill::Selection s;
        s.lengthText = std::to_string(length);
        s.cableText = "RVX4-50K";
        s.vellisk = s.platedGrade = true;
        s.topConnector = s.bottomConnector = "7-16 DIN Male";
        if (length % 10 == 0)
            s.feeder = true, s.feederIndex = 0, s.vellisk = false,
            s.topInner = s.bottomInner = "Captivated";
        selections.push_back(s);
    }
    std::size_t next = 0;
    for (auto _ : state) {
        const quill::NextOutcome outcome = session.Resolve(selections[next++ % selections.size()]);
        if (!outcome.resolved) state.SkipWithError("a selection was not quoted");
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_QuoteResolve)->Unit(benchmark::kMicrosecond);
