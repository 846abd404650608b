#include "online/QuickUpdate.h"

#include <system_error>

#include "platform/PathText.h"
#include "text/Error.h"

namespace quill {

namespace {

const char* const kPricingInstaller = "pricing.exe";

// An installer's name from the store must name a file in the download folder,
// not a path leading out of it.
bool IsPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\:") == std::string::npos;
}

}  // namespace

std::filesystem::path CommonFilesSubfolder(Registry& registry,
                                           const std::filesystem::path& defaultCommonFiles,
                                           const char* name) {
    std::filesystem::path base = defaultCommonFiles;
    if (const auto path = registry.ReadString(kCommonFilesKey, "Path"); path && !path->empty()) {
        std::string folder = *path;
        for (char& c : folder)
            if (c == '\\') c = '/';
        base = folder;
    }
    const std::filesystem::path folder = base / name;
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) return folder;
    if (!std::filesystem::create_directory(folder, error) &&
        !std::filesystem::is_directory(folder)) {
        throw QuillError("Unable to create the folder " + Utf8Of(folder) + ": " +
                         (error ? error.message() : "a file of that name is in the way"));
    }
    return folder;
}

QuickUpdate::QuickUpdate(OnlineServices services, std::string serverAddress,
                         std::filesystem::path defaultCommonFiles, std::string registryKey,
                         int updateInterval)
    : services_(services),
      server_(std::move(serverAddress)),
      defaultCommonFiles_(std::move(defaultCommonFiles)),
      schedule_(services.registry, services.clock, registryKey, "QuickUpdate", updateInterval) {
    if (server_.empty() || server_.back() != '/') server_ += '/';
}

Messages::Answer QuickUpdate::AskToUpdate() {
    const Messages::Reply reply = services_.messages.AskWithCheckBox(
        "Orlenk QuickUpdate",
        "It appears that you have not updated your pricing database in a while.\r\nRunning the "
        "Orlenk QuickUpdate utility will ensure that you have the\r\nlatest pricing information "
        "in all of your programs within minutes.\r\n\r\nWould you like to run QuickUpdate now?",
        "Don't ask me again.", Messages::Gap::FifthOfText);
    if (reply.checked) schedule_.Never();
    return reply.answer;
}

bool QuickUpdate::ConfirmUpdate(bool programFiles, int selectedCount) {
    if (!NeedsConfirmation(programFiles, selectedCount)) return true;
    services_.messages.Asterisk();
    if (services_.messages.ConfirmWarning(
            "Updating this many programs at once may take anywhere from several minutes "
            "\r\nto an hour depending on the speed of your Internet connection.  Are \r\nyou "
            "sure you want to continue?"))
        return true;
    // The user's own answer: a plain note, no error.
    services_.messages.Information("Update Cancelled");
    return false;
}

bool QuickUpdate::IsConnected() {
    if (services_.downloader.IsConnected()) return true;
    services_.messages.Asterisk();
    services_.messages.Error(
        "No Active Internet Connection Detected.\rPlease check your connection and try again.");
    return false;
}

std::filesystem::path QuickUpdate::UpdatesFolder() {
    return CommonFilesSubfolder(services_.registry, defaultCommonFiles_, "updates");
}

// An installer is bounded by the free space of its folder, checked before it
// is started: a larger one is refused as it is announced or as it grows.
bool QuickUpdate::DownloadFile(const std::string& address, const std::filesystem::path& file,
                               const std::string& name) {
    DownloadRequest request{address, file, name};
    std::error_code error;
    const std::filesystem::space_info space = std::filesystem::space(file.parent_path(), error);
    if (!error) request.mostBytes = space.available;
    const DownloadOutcome outcome = services_.downloader.Download(request);
    if (outcome) return true;
    // An older installer of that name must not be taken for this one.
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    if (outcome.kind == DownloadOutcome::Kind::kCancelled) {
        services_.messages.Information(DownloadFailedMessage(name, outcome, file.parent_path()));
        return false;
    }
    services_.messages.Asterisk();
    services_.messages.Error(DownloadFailedMessage(name, outcome, file.parent_path()));
    return false;
}

std::string DownloadFailedMessage(const std::string& name, const DownloadOutcome& outcome,
                                  const std::filesystem::path& folder) {
    using Kind = DownloadOutcome::Kind;
    switch (outcome.kind) {
        case Kind::kCancelled:
            return "The download of " + name + " was cancelled.";
        case Kind::kTooLarge:
            return "Unable to dowload " + name + ": there is not enough free disk space in " +
                   Utf8Of(folder) + ".";
        case Kind::kWriteFailed:
            return "Unable to dowload " + name + ": it could not be written to " + Utf8Of(folder) +
                   ".";
        case Kind::kHttpStatus:
        case Kind::kStalled:
            return "Unable to dowload " + name + ": " + FailureReason(outcome) + ".";
        case Kind::kConnection:
        case Kind::kDone:
            break;
    }
    return "Unable to dowload " + name +
           ". Please verify your Internet connection or contact ORLENK for assistance.";
}

bool QuickUpdate::UpdatePricing(const std::filesystem::path& folder, bool notify) {
    const std::filesystem::path file = folder / kPricingInstaller;
    if (!DownloadFile(server_ + kPricingInstaller, file, "Pricing Database")) return false;
    if (notify) {
        services_.messages.Beep();
        services_.messages.Information(
            "Download Complete.\rClick OK to continue with installation.");
    }
    services_.shell.Open(Utf8Of(file));
    return true;
}

bool QuickUpdate::UpdatePrograms(const std::filesystem::path& folder,
                                 const std::vector<std::string>& selectedNames) {
    const std::vector<ProgramRegistration> programs = Programs();
    std::vector<const ProgramRegistration*> downloaded;
    bool ok = true;
    for (const std::string& name : selectedNames) {
        if (!ok) break;  // after a failure the others are not fetched
        for (const ProgramRegistration& program : programs) {
            if (program.menuCaption != name) continue;
            if (IsPlainFileName(program.updateExe)) {
                ok = DownloadFile(server_ + program.updateExe, folder / program.updateExe, name);
            } else {
                ok = false;
                services_.messages.Asterisk();
                services_.messages.Error("Unable to dowload " + name + ": its installer \"" +
                                         program.updateExe + "\" is not a file name.");
            }
            if (ok) downloaded.push_back(&program);
            break;
        }
    }
    services_.messages.Beep();
    services_.messages.Information(
        ok ? "Updated files have been downloaded\rClick OK to continue with installation"
           : "Some files were not downloaded\rClick OK to install the files which were "
             "successfully downloaded\rand contact ORLENK for assistance with the others");
    for (const ProgramRegistration* program : downloaded) {
        services_.shell.Open(Utf8Of(folder / program->updateExe));
        services_.registry.WriteString(std::string(kMakerKey) + "\\" + program->subKey,
                                       "UpdateDate", FormatDate(services_.clock.Today()));
        services_.downloader.Pause(10, "Installing " + program->menuCaption);
    }
    services_.downloader.Pause(10, "Preparing the pricing database");
    UpdatePricing(folder, false);
    return true;
}

}  // namespace quill
