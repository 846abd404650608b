#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

// Runs a shell command line and answers its exit status and what it wrote on
// its standard output (and standard error, when the command line says 2>&1).
struct CommandResult {
    int status = -1;  // -1 when it did not end by itself
    std::string output;
};

inline CommandResult RunCommand(const std::string& command) {
    CommandResult result;
    if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            result.output.append(buffer, n);
        const int status = ::pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return result;
}

// A path between single quotes, for a shell command line.
inline std::string Quoted(const std::string& path) { return "'" + path + "'"; }
