#pragma once

#include <filesystem>

#ifdef _WIN32
// Windows lets a folder refuse new files through its access list, which this
// helper does not set yet: it locks nothing, and the tests that need it skip.
class UnwritableFolder {
  public:
    explicit UnwritableFolder(const std::filesystem::path&) {}
    bool Active() const { return false; }
};
#else
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

// Linux only. Makes a folder refuse new files. chmod does not stop root, so root marks the
// folder immutable instead, which binds root as well.
class UnwritableFolder {
  public:
    explicit UnwritableFolder(const std::filesystem::path& folder) : folder_(folder) {
        if (::geteuid() != 0) {
            using std::filesystem::perms;
            std::filesystem::permissions(folder_, perms::owner_read | perms::owner_exec |
                                                      perms::group_read | perms::group_exec |
                                                      perms::others_read | perms::others_exec);
            active_ = true;
            return;
        }
        fd_ = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        if (fd_ >= 0 && ::ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            active_ = ::ioctl(fd_, FS_IOC_SETFLAGS, &flags) == 0;
        }
    }
    UnwritableFolder(const UnwritableFolder&) = delete;
    UnwritableFolder& operator=(const UnwritableFolder&) = delete;
    ~UnwritableFolder() {
        if (fd_ >= 0) {
            int flags = 0;
            if (active_ && ::ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
                flags &= ~FS_IMMUTABLE_FL;
                ::ioctl(fd_, FS_IOC_SETFLAGS, &flags);
            }
            ::close(fd_);
        } else if (active_) {
            std::filesystem::permissions(folder_, std::filesystem::perms::owner_all);
        }
    }
    bool Active() const { return active_; }

  private:
    std::filesystem::path folder_;
    int fd_ = -1;
    bool active_ = false;
};
#endif
