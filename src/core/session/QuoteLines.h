#pragma once

#include <cstddef>
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "session/CompareSizes.h"
#include "session/QuoteSession.h"

namespace quill {

// What quillroute-quote answers: one selection a line in, as a JSON object
// (UTF-8), and one JSON object a line out: the result page the window would
// show, the refusal of Next, the comparison of every size, or, for a line
// that is no selection, {"line": N, "error": ...}.
struct QuoteLineOptions {
    bool compare = false;
    SizeLimits limits;
    // Writes the datasheet of the result page a line was answered with (the
    // final page or the parts list) and answers its path (UTF-8), which the
    // answer gives as "datasheet"; a failure is given as "datasheetError".
    std::function<std::string(const QuoteSession&)> datasheet;
};

// The longest line read, and the deepest nesting of arrays and objects in it.
inline constexpr std::size_t kLongestQuoteLine = 1 << 20;
inline constexpr int kDeepestQuoteNesting = 32;

// The answer to one line, without its line end.
std::string AnswerQuoteLine(QuoteSession& session, std::string_view line, long number,
                            const QuoteLineOptions& options);

// Answers every line of `in` on `out`, one after another on one session, as
// the window would be driven; false when the answers could not be written.
bool AnswerQuoteLines(QuoteSession& session, std::istream& in, std::ostream& out,
                      const QuoteLineOptions& options);

}  // namespace quill
