// quillroute-quote's input: whatever the lines hold, each gets exactly one
// answer, a JSON object that is a page, a refusal or an error naming the line.

#include <cstdint>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "FuzzSupport.h"
#include "session/ProgramData.h"
#include "session/QuoteLines.h"

using namespace quill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    QuoteSession session(fuzz::SampleData());
    std::istringstream in(input);
    std::ostringstream out;
    FUZZ_CHECK(AnswerQuoteLines(session, in, out, {}));

    std::size_t lines = 0;
    for (std::size_t at = 0; at < input.size(); ++lines) {
        const std::size_t end = input.find('\n', at);
        at = end == std::string::npos ? input.size() : end + 1;
    }
    std::istringstream answers(out.str());
    std::size_t answered = 0;
    for (std::string answer; std::getline(answers, answer); ++answered) {
        const auto parsed = nlohmann::json::parse(answer, nullptr, false);
        FUZZ_CHECK(parsed.is_object(), "%s\n", answer.c_str());
        FUZZ_CHECK(parsed.contains("page") || parsed.contains("refusal") ||
                       (parsed.contains("line") && parsed.contains("error")),
                   "%s\n", answer.c_str());
    }
    FUZZ_CHECK(answered == lines, "%zu answers for %zu lines\n", answered, lines);
    return 0;
}
