#pragma once

#include <QWidget>
#include <filesystem>
#include <set>

#include "platform/Guard.h"
#include "results/Selection.h"
#include "session/PageOneChoices.h"
#include "text/Fields.h"

class QCheckBox;
class QGroupBox;
class QRadioButton;
class QStackedWidget;

namespace quill {
class ComboBox;
class Messages;
class Picture;
class QuoteSession;
class RadioGroup;
}  // namespace quill

// Page 1 of the wizard: application, length, band, cable type and, for a
// feeder, the ends that get connectors.
class TPageOne : public QWidget {
    Q_OBJECT
  public:
    TPageOne(quill::QuoteSession& session, quill::Messages& messages, OperationGuard& guard);

    // Start-up: the pictures, the band lists and the length list.
    void Start(const std::filesystem::path& programFolder);
    // The page's choices as a selection (page 2's fields left as they are).
    quill::Selection Choices();
    // Puts the focus on a box to correct: 0 length, 1 beginning, 2 ending.
    void FocusField(quill::SelectionField field);

    void FillFrequencyLists();
    void rgAppClick();
    void chkTopConnectorClick();
    void rgFeederClick();
    void cboLengthExit();
    void cboBeginningExit();
    void cboEndingExit();
    void SwitchFrequencyUnit(const std::string& unit);

  private:
    void Build();
    void CheckValue(quill::ComboBox* box);
    void TakeTyped();
    static void ShowList(quill::ComboBox* box, const quill::ListChoice& list);
    void ShowLengths();
    void ShowEnds();

    quill::QuoteSession& session_;
    quill::Messages& messages_;
    OperationGuard& guard_;
    quill::PageOneChoices choices_;
    bool showingEnds_ = false;
    std::set<const quill::ComboBox*> warned_;  // boxes warned of since they last held a number
    QStackedWidget* pictures_ = nullptr;       // the jumper's pictures or the feeder's
    quill::RadioGroup* rgApp = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    quill::ComboBox* cboLength = nullptr;
    QRadioButton* rbFeet = nullptr;
    QRadioButton* rbMeters = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    quill::ComboBox* cboBeginning = nullptr;
    quill::ComboBox* cboEnding = nullptr;
    QRadioButton* rbMHz = nullptr;
    QRadioButton* rbGHz = nullptr;
    quill::RadioGroup* rgCableType = nullptr;
    QGroupBox* gbxConnectors = nullptr;
    QCheckBox* chkTopConnector = nullptr;
    QCheckBox* chkBottomConnector = nullptr;
    quill::RadioGroup* rgFeeder = nullptr;
    quill::Picture* imgTopJumper = nullptr;
    quill::Picture* imgBottomJumper = nullptr;
    quill::Picture* imgFeeder = nullptr;
};
