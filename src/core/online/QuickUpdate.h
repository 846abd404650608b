#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "online/Programs.h"
#include "online/Schedule.h"
#include "platform/Clock.h"
#include "platform/Downloader.h"
#include "platform/Messages.h"
#include "platform/Registry.h"
#include "platform/Shell.h"

namespace quill {

// What the update and the news need from outside.
struct OnlineServices {
    Registry& registry;
    Shell& shell;
    Messages& messages;
    const Clock& clock;
    Downloader& downloader;
};

// The shared folder's subfolder for downloads ("updates") or pages ("news"):
// the "Path" of "\Software\Orlenk\Common Files", else the given default.
// Made (one level) when missing; a folder that cannot be made is an error
// that names it.
std::filesystem::path CommonFilesSubfolder(Registry& registry,
                                           const std::filesystem::path& defaultCommonFiles,
                                           const char* name);

// The update reminder and the downloads behind the update dialog.
// What the user is told of a download that failed: the connection sentence
// for a failed or cut connection, else what happened ("cancelled", "the
// server has no such file (404)", "no data for 30 seconds", no disk space).
std::string DownloadFailedMessage(const std::string& name, const DownloadOutcome& outcome,
                                  const std::filesystem::path& folder);

class QuickUpdate {
  public:
    QuickUpdate(OnlineServices services, std::string serverAddress,
                std::filesystem::path defaultCommonFiles, std::string registryKey = {},
                int updateInterval = 30);

    std::string defaultProgram;
    bool defaultToPricing = true;

    ReminderSchedule& Schedule() { return schedule_; }

    // The schedule's check at activation: true when the reminder is due and
    // should be shown.
    bool ReminderDue() { return schedule_.Due("NewInstall", true); }

    // The reminder prompt, with its "Don't ask me again." box.
    Messages::Answer AskToUpdate();

    std::vector<ProgramRegistration> Programs() { return ReadPrograms(services_.registry); }

    // Asks before updating three programs or more; false (after saying
    // "Update Cancelled") unless the answer is Yes.
    bool ConfirmUpdate(bool programFiles, int selectedCount);
    // Says so when the computer has no network.
    bool IsConnected();
    std::filesystem::path UpdatesFolder();

    // One download, with its message when it fails. A failed installer
    // leaves nothing under its name that could be started later.
    bool DownloadFile(const std::string& address, const std::filesystem::path& file,
                      const std::string& name);
    // The pricing installer, downloaded and started.
    bool UpdatePricing(const std::filesystem::path& folder, bool notify);
    // The selected programs' installers, top to bottom, then the pricing
    // installer. Always true: what was downloaded is installed.
    bool UpdatePrograms(const std::filesystem::path& folder,
                        const std::vector<std::string>& selectedNames);

    const std::string& ServerAddress() const { return server_; }

  private:
    OnlineServices services_;
    std::string server_;
    std::filesystem::path defaultCommonFiles_;
    ReminderSchedule schedule_;
};

}  // namespace quill
