#pragma once

#ifndef _WIN32
#include <sys/wait.h>
#endif

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
#ifdef _WIN32
    if (std::FILE* pipe = ::_popen(command.c_str(), "rb")) {
#else
    if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
#endif
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            result.output.append(buffer, n);
#ifdef _WIN32
        result.status = ::_pclose(pipe);  // the command's own exit code
#else
        const int status = ::pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    }
    return result;
}

// A path between single quotes, for a shell command line.
inline std::string Quoted(const std::string& path) { return "'" + path + "'"; }
