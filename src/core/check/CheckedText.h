#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "check/DataCheck.h"

namespace quill::check {

// Where the problems go, and the file they are about.
class Reporter {
  public:
    Reporter(DataCheckReport& report, std::string file) : report_(report), file_(std::move(file)) {}
    void Add(int line, const std::string& section, const std::string& message) {
        report_.problems.push_back({file_, line, section, message});
    }
    const std::string& File() const { return file_; }
    DataCheckReport& Report() { return report_; }

  private:
    DataCheckReport& report_;
    std::string file_;
};

struct TextLine {
    int number = 0;
    std::string text;
};

// A data file read line by line as the program reads it, with the line
// numbers a maintainer's editor shows. Reading reports line ends other than
// CR LF and bytes that are not Windows-1252 text.
struct CheckedText {
    bool read = false;
    std::vector<TextLine> lines;  // empty lines included
};
CheckedText ReadChecked(const std::filesystem::path& file, Reporter& reporter);

// A section as the program keeps it; a header repeating an earlier name (in
// any case) and its lines are reported and left out, as are lines before the
// first header. Empty lines are dropped.
struct CheckedSection {
    std::string name;
    int headerLine = 0;
    std::vector<TextLine> lines;

    // The value of the first line with the name, as the program reads it.
    const TextLine* FirstNamed(const std::string& name) const;
};
std::vector<CheckedSection> SectionsOf(const CheckedText& text, Reporter& reporter);

// The value a section's line gives: that of the first line with its name.
// Reports a line whose name repeats an earlier one's, once.
std::string ValueOfLine(const CheckedSection& section, const TextLine& line, Reporter& reporter);

// "a|b|c|" -> {"a", "b", "c", ""}, as the program splits its records.
std::vector<std::string> Fields(const std::string& record);

bool IsNumber(const std::string& text);

}  // namespace quill::check
