#pragma once

#include <QWidget>
#include <filesystem>

#include "platform/Guard.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TConnectorEnd;

namespace quill {
class ComboBox;
class Clipboard;
class Messages;
class Picture;
class QuoteSession;
class RadioGroup;
}  // namespace quill

// Page 2 of the wizard: the cable's grade and size, the connector at each end
// and how they are attached. The session decides what each choice leads to;
// the page shows it.
class TPageTwo : public QWidget {
    Q_OBJECT
  public:
    TPageTwo(quill::QuoteSession& session, OperationGuard& guard,
             const std::filesystem::path& programFolder, quill::Clipboard& clipboard,
             quill::Messages& messages);

    void Start();  // start-up: the Vellisk picture
    // Arriving from page 1: the session decides the page anew.
    void Page2Show();
    // Shows every control as the session has it, running no handler.
    void ShowState();

    void rgCableGradeClick();
    void cboTLineDataChange();
    void rgConnectorGradeClick();
    void rgConnectorAttachmentClick();
    // Every size of the band side by side; the one taken is chosen here.
    void btnCompareSizesClick();

  private:
    quill::QuoteSession& session_;
    const std::filesystem::path programFolder_;
    quill::Clipboard& clipboard_;
    quill::Messages& messages_;
    bool showing_ = false;  // controls set from the state run no handler
    std::string cablePictureShown_;
    QGroupBox* GroupBox3 = nullptr;
    quill::RadioGroup* rgCableGrade = nullptr;
    quill::ComboBox* cboTLineData = nullptr;
    QLabel* lblDiameter = nullptr;
    QLineEdit* edtTlineSize = nullptr;
    QPushButton* btnCompareSizes = nullptr;
    quill::Picture* imgCable = nullptr;
    quill::Picture* imgVL = nullptr;
    quill::RadioGroup* rgConnectorAttachment = nullptr;
    quill::RadioGroup* rgConnectorGrade = nullptr;
    TConnectorEnd* top_ = nullptr;
    TConnectorEnd* bottom_ = nullptr;
};
