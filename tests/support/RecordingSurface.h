#pragma once

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "output/DrawingSurface.h"

namespace quill::fakes {

// Keeps every drawing call as a line of text ("text 50 30 Title", "box 50
// 175 110 250 right 2", "page"), so a test reads the layout without a
// printer. A character is half as wide as the font is high (10 units before
// a font is set) and a line is 20 high.
class RecordingSurface : public DrawingSurface {
  public:
    void SetFont(const std::string& face, int height, bool bold) override {
        calls.push_back("font " + face + " " + std::to_string(height) + (bold ? " bold" : ""));
        fontHeight = height;
    }
    void SetBold(bool bold) override { calls.push_back(bold ? "bold" : "regular"); }
    void SetPenWidth(int width) override { calls.push_back("pen " + std::to_string(width)); }
    int TextWidth(const std::string& text) override {
        return static_cast<int>(text.size()) * fontHeight / 2;
    }
    int TextHeight(const std::string&) override { return 20; }
    // Words go on a line while they fit; a word wider than the box takes
    // lines of its own, as many as it needs.
    int WrappedTextHeight(int width, const std::string& text) override {
        const int perLine = std::max(2 * width / std::max(fontHeight, 1), 1);
        int lines = 1, used = 0;
        std::istringstream words(text);
        for (std::string word; words >> word;) {
            const int length = static_cast<int>(word.size());
            if (used > 0 && used + 1 + length <= perLine) {
                used += 1 + length;
                continue;
            }
            if (used > 0) ++lines;
            lines += (length - 1) / perLine;
            used = (length - 1) % perLine + 1;
        }
        return 20 * lines;
    }
    void DrawText(int x, int y, const std::string& text) override {
        calls.push_back("text " + std::to_string(x) + " " + std::to_string(y) + " " + text);
    }
    int DrawTextInBox(int left, int top, int right, int bottom, const std::string& text,
                      bool alignRight) override {
        calls.push_back("box " + std::to_string(left) + " " + std::to_string(top) + " " +
                        std::to_string(right) + " " + std::to_string(bottom) +
                        (alignRight ? " right " : " left ") + text);
        return 20;
    }
    void MoveTo(int x, int y) override {
        calls.push_back("move " + std::to_string(x) + " " + std::to_string(y));
    }
    void LineTo(int x, int y) override {
        calls.push_back("line " + std::to_string(x) + " " + std::to_string(y));
    }
    void NewPage() override { calls.push_back("page"); }

    std::vector<std::string> calls;
    int fontHeight = 20;
};

}  // namespace quill::fakes
