#pragma once

#include <QGroupBox>
#include <QStringList>
#include <functional>
#include <vector>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

namespace quill {

// A framed column of radio buttons with at most one selected item.
//
// onClick runs whenever the selection changes: when the user clicks an item
// that was not selected, and when code selects an item or clears the
// selection with SetItemIndex. Selecting the item that is already selected
// runs nothing. Handlers of the wizard rely on this: selecting from code acts
// as the user's click would.
class RadioGroup : public QGroupBox {
    Q_OBJECT

  public:
    explicit RadioGroup(QWidget* parent = nullptr);
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    // Replaces the items; none is selected afterwards and onClick does not run.
    void SetItems(const QStringList& items);
    QStringList Items() const;
    int ItemCount() const;
    QRadioButton* Button(int index) const;

    // -1 when no item is selected.
    int ItemIndex() const { return index_; }
    // Selects an item (enabled or not) or, with -1, clears the selection so
    // that no button is checked. Runs onClick when the selection changes. An
    // index outside the items clears the selection too.
    void SetItemIndex(int index);

    void SetItemEnabled(int index, bool enabled);
    bool ItemEnabled(int index) const;

    // Tool tip and status-bar text of the group and of every item.
    void SetHint(const QString& hint);
    QString Hint() const { return hint_; }

    std::function<void()> onClick;

  private:
    void ButtonToggled(int id, bool checked);
    void SelectionChanged(int index);
    void UpdateTabStop();

    QButtonGroup* group_;
    QVBoxLayout* layout_;
    std::vector<QRadioButton*> buttons_;
    int index_ = -1;
    bool rebuilding_ = false;
    QString hint_;
};

}  // namespace quill
