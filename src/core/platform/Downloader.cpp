#include "platform/Downloader.h"

namespace quill {

std::string FailureReason(const DownloadOutcome& outcome) {
    using Kind = DownloadOutcome::Kind;
    switch (outcome.kind) {
        case Kind::kCancelled:
            return "cancelled";
        case Kind::kHttpStatus:
            return outcome.httpStatus == 404
                       ? "the server has no such file (404)"
                       : "the server answered " + std::to_string(outcome.httpStatus);
        case Kind::kStalled:
            return "no data for " + std::to_string(outcome.stallSeconds) + " seconds";
        case Kind::kTooLarge:
            return "the file is larger than allowed";
        case Kind::kWriteFailed:
            return "the file could not be written";
        case Kind::kConnection:
        case Kind::kDone:
            break;
    }
    return {};
}

}  // namespace quill
