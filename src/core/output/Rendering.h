#pragma once

#include <string>

#include "output/ExportContent.h"

namespace quill {

// What the renderers share: text collected a block at a time and handed to
// the sink, so that a rendering of any size never lies whole in memory.
class RenderedText {
  public:
    explicit RenderedText(const TextSink& sink) : sink_(sink) {}
    RenderedText& operator+=(std::string_view text) {
        text_.append(text);
        return *this;
    }
    std::string& Text() { return text_; }
    // Hands the text over once a block has gathered; call between rows.
    void Pass() {
        if (text_.size() >= kBlock) Finish();
    }
    void Finish() {
        if (!text_.empty()) sink_(text_);
        text_.clear();
    }

  private:
    static constexpr std::size_t kBlock = 1 << 16;
    const TextSink& sink_;
    std::string text_;
};

// The whole text a rendering hands to its sink.
std::string Collected(const std::function<void(const TextSink&)>& render);

}  // namespace quill
