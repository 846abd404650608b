#pragma once

#include <QColor>
#include <QDialog>
#include <filesystem>
#include <string>
#include <vector>

#include "online/QuickUpdate.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace quill {
class ComboBox;
class Grid;
class RadioGroup;
}  // namespace quill

// The update dialog: pricing only, or the installers of chosen programs;
// and when to remind again.
class TfrmUpdate : public QDialog {
    Q_OBJECT
  public:
    TfrmUpdate(quill::QuickUpdate& update, quill::Messages& messages, const quill::Clock& clock,
               QWidget* parent = nullptr);

    // Handlers.
    void btnUpdateClick();
    void btnCancelClick();
    void rgActionClick();
    void chkAllClick();
    void sgProgramsClick();
    void chkReminderClick();

    // Operations.
    bool ProgramFilesMode() const;
    int SelectedProgramCount() const;
    std::vector<std::string> SelectedProgramNames() const;
    QColor ProgramRowColour(int row, const QString& lastUpdate) const;

    quill::RadioGroup* rgAction = nullptr;
    QLabel* lblDirections = nullptr;
    QCheckBox* chkAll = nullptr;
    quill::Grid* sgPrograms = nullptr;
    QCheckBox* chkReminder = nullptr;
    quill::ComboBox* cboNumDays = nullptr;
    QLabel* lblDays = nullptr;
    QPushButton* btnUpdate = nullptr;
    QPushButton* btnCancel = nullptr;

  private:
    quill::QuickUpdate& update_;
    quill::Messages& messages_;
    const quill::Clock& clock_;
};
