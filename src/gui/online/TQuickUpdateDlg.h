#pragma once

#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>

#include "online/OnlineAddresses.h"
#include "online/QuickUpdate.h"

class TfrmUpdate;

namespace quill {
class Grid;
}

// The update reminder and the update dialog behind it. The main window owns
// one and calls CheckSchedule when it becomes active and Execute for the
// update command.
class TQuickUpdateDlg {
  public:
    TQuickUpdateDlg(quill::OnlineServices services, std::filesystem::path defaultCommonFiles,
                    QWidget* owner);

    std::string DefaultProgram;
    std::string RegistryKey;
    int UpdateInterval = 30;
    bool DefaultToPricing = true;

    // Asks when the reminder is due; true when the user then completed an update.
    bool CheckSchedule();
    quill::Messages::Answer AskToUpdate();
    // True when the dialog ended with a completed update.
    bool Execute();
    void FillProgramList(quill::Grid* grid);
    void SaveSchedule(TfrmUpdate& dialog);

    // Called with the dialog once it is on the screen (tests drive it).
    std::function<void(TfrmUpdate&)> onShown;

  private:
    quill::QuickUpdate Component();

    quill::OnlineServices services_;
    std::filesystem::path defaultCommonFiles_;
    QPointer<QWidget> owner_;
};
