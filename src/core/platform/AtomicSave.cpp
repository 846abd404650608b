#include "platform/AtomicSave.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <random>
#include <system_error>

#include "platform/OpenFile.h"
#include "platform/PathText.h"

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#elif defined(_WIN32)
#include <io.h>
#include <windows.h>
#endif

namespace quill {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBufferSize = 16384;

std::string ErrnoText(int error) {
    return std::generic_category().message(error != 0 ? error : EIO);
}

// Makes the rename itself survive a power cut. A folder that cannot be opened
// or synced does not undo the save: the new file is already in place.
void SyncFolder([[maybe_unused]] const fs::path& folder) {
#if defined(__unix__) || defined(__APPLE__)
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    (void)::fsync(fd);
    (void)::close(fd);
#endif
}

// Whether a name is that of a temporary file of a save of `target`:
// "<target's name>.<eight hex digits>.tmp".
bool IsTemporaryOf(const std::string& name, const std::string& target) {
    constexpr std::size_t kDigits = 8;
    const std::string suffix = ".tmp";
    if (name.size() != target.size() + 1 + kDigits + suffix.size() ||
        name.compare(0, target.size(), target) != 0 || name[target.size()] != '.' ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    for (std::size_t i = target.size() + 1; i < target.size() + 1 + kDigits; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

#ifdef _WIN32
// Locks a whole file for this handle: another process's lock then fails.
bool LockWholeFile(HANDLE handle) {
    OVERLAPPED start{};
    return ::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                        MAXDWORD, &start) != 0;
}

std::string SystemMessage(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring wide(text, length);
    ::LocalFree(text);
    while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L'.'))
        wide.pop_back();
    return wide.empty() ? "error " + std::to_string(error) : Utf8FromWide(wide);
}

// Whether an access denied by the move is only another program holding the
// file open (Windows refuses to replace such a file): it can then be opened
// for deleting, or only its sharing stands in the way.
bool MayBeReplacedLater(const fs::path& target) {
    const HANDLE handle = ::CreateFileW(target.c_str(), DELETE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return ::GetLastError() == ERROR_SHARING_VIOLATION;
    ::CloseHandle(handle);
    return true;
}

// The new file takes the old one's place, written through to the disk. A
// file the user made read-only is not replaced. A spreadsheet, a virus
// scanner or an indexer may hold the old file open for a moment: the move is
// tried again for about two seconds before the save gives up and says who is
// in the way.
std::string PutInPlace(const fs::path& temporary, const fs::path& target) {
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return "the file is read-only";
    constexpr int kAttempts = 20;
    for (int attempt = 1;; ++attempt) {
        if (::MoveFileExW(temporary.c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return "";
        const DWORD error = ::GetLastError();
        const bool held = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                          (error == ERROR_ACCESS_DENIED && MayBeReplacedLater(target));
        if (!held) return SystemMessage(error);
        if (attempt == kAttempts)
            return "another program has it open. Close it there and try again";
        ::Sleep(100);
    }
}
#else
std::string PutInPlace(const fs::path& temporary, const fs::path& target) {
    std::error_code ec;
    fs::rename(temporary, target, ec);
    return ec ? ec.message() : "";
}
#endif

// A save holds a lock on its temporary file from the moment it is created
// until it is renamed or removed; the system drops it when the program ends,
// even when it is killed. So a temporary that no one holds is left over from
// a save that never finished. One that is still empty may belong to a save
// that has created it and not yet locked it, so it must also be a minute old.
void RemoveIfStale(const fs::path& temporary) {
#if defined(__unix__) || defined(__APPLE__)
    const int fd = ::open(temporary.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    struct stat status {};
    const bool stale = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
                       (status.st_size > 0 || status.st_mtime + 60 < ::time(nullptr)) &&
                       ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (stale) (void)::unlink(temporary.c_str());
    (void)::close(fd);
#elif defined(_WIN32)
    std::error_code sized, dated;
    const std::uintmax_t size = fs::file_size(temporary, sized);
    const fs::file_time_type written = fs::last_write_time(temporary, dated);
    const HANDLE handle = ::CreateFileW(temporary.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return;
    const bool stale =
        !sized && !dated && ::GetFileType(handle) == FILE_TYPE_DISK &&
        (size > 0 || written + std::chrono::minutes(1) < fs::file_time_type::clock::now()) &&
        LockWholeFile(handle);
    ::CloseHandle(handle);
    if (stale) (void)::DeleteFileW(temporary.c_str());
#endif
}

void RemoveStaleTemporaries(const fs::path& target) {
    std::error_code ec;
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const std::string name = Utf8Of(target.filename());
    for (fs::directory_iterator entry(folder, ec), end; !ec && entry != end; entry.increment(ec))
        if (IsTemporaryOf(Utf8Of(entry->path().filename()), name)) RemoveIfStale(entry->path());
}

}  // namespace

std::FILE* CreateFreshFile(const fs::path& stem, fs::path& created, int& error) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    error = 0;
    for (int attempt = 0; attempt < 16; ++attempt) {
        char suffix[24];
        const int n = std::snprintf(suffix, sizeof suffix, ".%08llx.tmp",
                                    static_cast<unsigned long long>(random() & 0xffffffffULL));
        if (n <= 0 || static_cast<std::size_t>(n) >= sizeof suffix) break;
        created = stem;
        created += suffix;
        errno = 0;
        // "x": never touch a file that happens to carry the name already.
        if (std::FILE* file = OpenFile(created, "wbx")) return file;
        error = errno != 0 ? errno : EIO;
        if (error != EEXIST) break;
    }
    if (error == 0) error = EIO;
    created.clear();
    return nullptr;
}

AtomicSave::AtomicSave(fs::path target) : target_(std::move(target)), resolved_(target_) {
    std::error_code ec;
    if (fs::is_symlink(target_, ec)) {
        // Replace the file the link points at, not the link.
        fs::path real = fs::canonical(target_, ec);
        if (!ec) resolved_ = std::move(real);
    }
    // Beside the target and named after it, so that a stray one is recognisable.
    int error = 0;
    file_ = CreateFreshFile(resolved_, temporary_, error);
    if (!file_) {
        Fail(error);
        return;
    }
    // Marks the temporary as in use for as long as this save lives.
#if defined(__unix__) || defined(__APPLE__)
    (void)::flock(::fileno(file_), LOCK_EX | LOCK_NB);
#elif defined(_WIN32)
    (void)LockWholeFile(reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file_))));
#endif
    // Our own buffer collects whole blocks; stdio passes them straight on.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    buffer_ = std::make_unique<char[]>(kBufferSize);
}

AtomicSave::~AtomicSave() {
    if (!committed_) Discard();
}

void AtomicSave::Fail(int error) {
    if (error_.empty()) error_ = "Cannot write file " + Utf8Of(target_) + ": " + ErrnoText(error);
}

void AtomicSave::Discard() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temporary_.empty()) {
        std::error_code ignored;
        fs::remove(temporary_, ignored);
        temporary_.clear();
    }
}

bool AtomicSave::Put(std::string_view bytes) {
    if (!error_.empty() || committed_) return false;
    while (!bytes.empty()) {
        if (used_ == kBufferSize && !Flush()) return false;
        const std::size_t n = std::min(bytes.size(), kBufferSize - used_);
        std::memcpy(buffer_.get() + used_, bytes.data(), n);
        used_ += n;
        bytes.remove_prefix(n);
    }
    return true;
}

bool AtomicSave::Flush() {
    if (used_ == 0) return true;
    errno = 0;
    const std::size_t written = std::fwrite(buffer_.get(), 1, used_, file_);
    if (written != used_) {
        Fail(errno);
        return false;
    }
    used_ = 0;
    return true;
}

std::string AtomicSave::Commit() {
    if (committed_) return error_;
    if (error_.empty() && Flush()) {
        errno = 0;
        if (std::fflush(file_) != 0) Fail(errno);
#if defined(__unix__) || defined(__APPLE__)
        // The new file must be on disk before it replaces the old one.
        if (error_.empty() && ::fsync(::fileno(file_)) != 0) Fail(errno);
#elif defined(_WIN32)
        // The new file must be on disk before it replaces the old one.
        if (error_.empty() &&
            !::FlushFileBuffers(reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file_)))))
            Fail(EIO);
#endif
        errno = 0;
        const int closed = std::fclose(file_);
        file_ = nullptr;
        if (closed != 0) Fail(errno);
    }
    if (!error_.empty()) {
        Discard();
        committed_ = true;
        return error_;
    }

#ifndef _WIN32
    // Keep the old file's permissions; the new one was created with the
    // defaults. (Windows has only the read-only attribute, and a read-only
    // file is not replaced.)
    std::error_code ec;
    const fs::file_status old = fs::status(resolved_, ec);
    if (!ec && fs::exists(old)) fs::permissions(temporary_, old.permissions(), ec);
#endif

    if (const std::string why = PutInPlace(temporary_, resolved_); !why.empty()) {
        error_ = "Cannot write file " + Utf8Of(target_) + ": " + why;
        Discard();
    } else {
        temporary_.clear();
        SyncFolder(resolved_.parent_path());
        RemoveStaleTemporaries(resolved_);
    }
    committed_ = true;
    return error_;
}

std::string SaveFileAtomically(const fs::path& target, std::string_view bytes) {
    AtomicSave save(target);
    save.Put(bytes);
    return save.Commit();
}

}  // namespace quill
