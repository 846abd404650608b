#pragma once

#include <QComboBox>
#include <QStringList>
#include <functional>

namespace quill {

// A drop-down list, editable (the user may type any text) or not.
//
// onChange runs for the user's own edits and picks only: every keystroke that
// changes the text of an editable box, every pick from the list, every change
// made with the arrow keys or the wheel. Filling the box or selecting in it
// from code never runs it; a caller that wants the cascade calls its handler
// itself. onExit runs when the keyboard focus moves from the box to another
// control of the program (not when the list opens or another window becomes
// active).
class ComboBox : public QComboBox {
    Q_OBJECT

  public:
    explicit ComboBox(QWidget* parent = nullptr, bool editable = false);

    // Replaces the items. No item is selected afterwards; an editable box
    // keeps its text, a drop-down list shows none.
    void SetItems(const QStringList& items);
    void AddItem(const QString& item);
    QStringList Items() const;
    int ItemCount() const { return count(); }
    // The exact (case-sensitive) position of a text among the items, or -1.
    int IndexOf(const QString& text) const;

    // The selected item, -1 for none. In an editable box an item counts as
    // selected only while the text equals it.
    int ItemIndex() const;
    // Selects an item; -1 selects none and empties the text.
    void SetItemIndex(int index);

    // The text shown. An editable box shows any text; in a drop-down list a
    // text that is no item is shown with no item selected.
    QString Text() const;
    void SetText(const QString& text);

    // Removes every item and the text.
    void Clear();

    void SetHint(const QString& hint);

    std::function<void()> onChange;
    std::function<void()> onExit;

  protected:
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void UserChanged();
    void ShowFreeText(const QString& text);
};

}  // namespace quill
