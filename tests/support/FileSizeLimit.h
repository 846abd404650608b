#pragma once

#ifdef _WIN32
// Windows has no limit on the size of a process's files: a disk full part-way
// needs a small volume there, so the limit is never active.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(unsigned long long) {}
    bool Active() const { return false; }
};
#else
#include <sys/resource.h>

#include <csignal>

// Makes every write of this process that takes a file past `bytes` fail with
// "File too large", as a full disk would fail it part-way, until it goes out
// of scope. Writes to pipes and terminals are not limited.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);  // fail the write, do not end the process
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool Active() const { return active_; }

  private:
    rlimit previous_{};
    void (*previousSignal_)(int) = SIG_DFL;
    bool active_ = false;
};
#endif
