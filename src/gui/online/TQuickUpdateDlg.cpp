#include "online/TQuickUpdateDlg.h"

#include <QCheckBox>
#include <QTimer>

#include "controls/ComboBox.h"
#include "controls/Grid.h"
#include "controls/RadioGroup.h"
#include "online/TfrmUpdate.h"
#include "platform/TextConversion.h"

using namespace quill;

TQuickUpdateDlg::TQuickUpdateDlg(OnlineServices services, std::filesystem::path defaultCommonFiles,
                                 QWidget* owner)
    : services_(services), defaultCommonFiles_(std::move(defaultCommonFiles)), owner_(owner) {}

QuickUpdate TQuickUpdateDlg::Component() {
    QuickUpdate update(services_, ReadOnlineAddresses(services_.registry).updateServer,
                       defaultCommonFiles_, RegistryKey, UpdateInterval);
    update.defaultProgram = DefaultProgram;
    update.defaultToPricing = DefaultToPricing;
    return update;
}

bool TQuickUpdateDlg::CheckSchedule() {
    QuickUpdate update = Component();
    if (!update.ReminderDue()) return false;
    services_.messages.Beep();
    return AskToUpdate() == Messages::Answer::Yes && Execute();
}

Messages::Answer TQuickUpdateDlg::AskToUpdate() { return Component().AskToUpdate(); }

void TQuickUpdateDlg::FillProgramList(Grid* grid) {
    grid->SetHeadings({"Program Name", "Last Update"});
    const std::vector<ProgramRegistration> programs = ReadPrograms(services_.registry);
    // No program registered: no row, not an empty one.
    grid->SetRowCount(static_cast<int>(programs.size()));
    grid->ClearCells();
    for (int row = 0; row < static_cast<int>(programs.size()); ++row) {
        grid->SetCell(0, row, ToQt(programs[row].menuCaption));
        grid->SetCell(1, row,
                      ToQt(LastUpdateText(ProgramFile(programs[row]), programs[row].updateDate)));
    }
    if (programs.empty()) return;
    const int current = DefaultProgramRow(programs, DefaultProgram);
    grid->setCurrentCell(current, 0);
    grid->clearSelection();
    grid->SetRowSelected(current, true);
}

void TQuickUpdateDlg::SaveSchedule(TfrmUpdate& dialog) {
    Component().Schedule().Save(FromQt(dialog.cboNumDays->Text()), dialog.chkReminder->isChecked());
}

bool TQuickUpdateDlg::Execute() {
    QuickUpdate update = Component();
    TfrmUpdate dialog(update, services_.messages, services_.clock, owner_.data());
    dialog.cboNumDays->SetText(ToQt(update.Schedule().IntervalText()));
    FillProgramList(dialog.sgPrograms);
    if (!DefaultToPricing) dialog.rgAction->SetItemIndex(1);
    if (onShown) QTimer::singleShot(0, &dialog, [this, &dialog] { onShown(dialog); });
    if (dialog.exec() != QDialog::Accepted) return false;
    SaveSchedule(dialog);
    return true;
}
