#pragma once

#include <functional>

#include "platform/Messages.h"

// Runs user-started operations through the general error report. Nested
// handlers (one handler selecting a radio item from code) run inside the
// outer operation, so an error stops the whole of it.
class OperationGuard {
  public:
    explicit OperationGuard(quill::Messages& messages) : messages_(messages) {}
    OperationGuard(const OperationGuard&) = delete;
    OperationGuard& operator=(const OperationGuard&) = delete;

    // The handler, guarded.
    std::function<void()> operator()(std::function<void()> handler);
    // Runs one operation now; answers whether it ran to its end.
    bool Run(const std::function<void()>& operation);

  private:
    quill::Messages& messages_;
    int depth_ = 0;
};
