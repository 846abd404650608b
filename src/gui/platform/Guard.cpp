#include "platform/Guard.h"

#include "platform/ErrorReport.h"

std::function<void()> OperationGuard::operator()(std::function<void()> handler) {
    return [this, handler = std::move(handler)] { Run(handler); };
}

bool OperationGuard::Run(const std::function<void()>& operation) {
    if (depth_ > 0) {
        operation();
        return true;
    }
    ++depth_;
    const bool done = quill::RunGuarded(messages_, operation);
    --depth_;
    return done;
}
