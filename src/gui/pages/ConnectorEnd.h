#pragma once

#include <QGroupBox>
#include <filesystem>

#include "platform/Guard.h"

class QLabel;
class QRadioButton;

namespace quill {
class ComboBox;
class Picture;
class PageTwoChoices;
struct EndState;
struct ListChoice;
}  // namespace quill

// Shows a list as the core has it, rebuilding the items only when they
// changed; a text that is no item ("None") is shown as it stands.
void ShowList(quill::ComboBox* box, const quill::ListChoice& list);

// One end of the assembly on page 2 ("C1" the top, "C2" the bottom): how the
// connector is chosen, the connector, its own name and picture, its special
// characteristic and inner attachment.
class TConnectorEnd : public QGroupBox {
    Q_OBJECT
  public:
    TConnectorEnd(bool top, quill::PageTwoChoices& choices, OperationGuard& guard);

    // Shows the end as page 2's choices have it.
    void Show(const quill::EndState& end, const std::filesystem::path& programFolder);

    void cboMatesToChange();
    void cboDescriptionChange();
    void cboInnerChange();
    void rbActualClick();

  signals:
    // A choice of the user's was handed over: the page shows its state again.
    void changed();

  private:
    const bool top_;
    quill::PageTwoChoices& choices_;
    bool showing_ = false;  // controls set from the state run no handler
    std::string pictureShown_;
    QRadioButton* actual_ = nullptr;
    QRadioButton* matesTo_ = nullptr;
    quill::ComboBox* connector_ = nullptr;
    QLabel* description_ = nullptr;
    quill::Picture* picture_ = nullptr;
    quill::ComboBox* special_ = nullptr;
    quill::ComboBox* inner_ = nullptr;
};
