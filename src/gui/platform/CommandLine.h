#pragma once

#include <QCommandLineParser>
#include <optional>

namespace quill {

// Reads a companion's command line with the parser's options and positional
// arguments plus --help and --version: --help prints the usage to standard
// output and --version the program's version (status 0); a wrong command line,
// or fewer or more positional arguments than allowed, prints what is wrong
// and the usage to standard error (status 2). Answers the status to end with,
// or nothing when the program goes on.
std::optional<int> ReadCommandLine(QCommandLineParser& parser, const QString& description,
                                   int fewestArguments, int mostArguments);

}  // namespace quill
