#include "controls/ComboBox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

namespace quill {

ComboBox::ComboBox(QWidget* parent, bool editable) : QComboBox(parent) {
    setEditable(editable);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(16);
    if (editable) {
        // The text is what the user typed: no completion changes it behind
        // their back.
        setCompleter(nullptr);
        connect(lineEdit(), &QLineEdit::textEdited, this, &ComboBox::UserChanged);
    }
    // activated reports the user's picks only (list, arrow keys, wheel).
    connect(this, &QComboBox::activated, this, &ComboBox::UserChanged);
}

void ComboBox::UserChanged() {
    if (onChange) onChange();
}

void ComboBox::SetItems(const QStringList& items) {
    const QString text = isEditable() ? currentText() : QString();
    clear();
    addItems(items);
    setCurrentIndex(-1);
    if (isEditable()) {
        setEditText(text);
    } else {
        setPlaceholderText(QString());
    }
}

void ComboBox::AddItem(const QString& item) {
    // Adding to an empty box must not select the new item.
    const bool wasEmpty = count() == 0;
    const QString text = Text();
    addItem(item);
    if (wasEmpty) {
        setCurrentIndex(-1);
        if (isEditable()) setEditText(text);
    }
}

QStringList ComboBox::Items() const {
    QStringList items;
    items.reserve(count());
    for (int i = 0; i < count(); ++i) items << itemText(i);
    return items;
}

int ComboBox::IndexOf(const QString& text) const {
    for (int i = 0; i < count(); ++i) {
        if (itemText(i) == text) return i;
    }
    return -1;
}

int ComboBox::ItemIndex() const {
    const int index = currentIndex();
    if (index < 0) return -1;
    if (isEditable() && itemText(index) != currentText()) return -1;
    return index;
}

void ComboBox::SetItemIndex(int index) {
    if (index < 0 || index >= count()) index = -1;
    if (!isEditable()) setPlaceholderText(QString());
    setCurrentIndex(index);
    // Qt keeps the text when the current item is the same; make it the item's.
    if (isEditable()) setEditText(index >= 0 ? itemText(index) : QString());
}

QString ComboBox::Text() const {
    if (isEditable() || currentIndex() >= 0) return currentText();
    return placeholderText();
}

void ComboBox::SetText(const QString& text) {
    const int index = IndexOf(text);
    if (isEditable()) {
        setCurrentIndex(index);
        setEditText(text);
        return;
    }
    if (index >= 0) {
        SetItemIndex(index);
    } else {
        ShowFreeText(text);
    }
}

void ComboBox::ShowFreeText(const QString& text) {
    // A drop-down list cannot hold a text of its own; with no item selected
    // it shows its placeholder, which stands in for it.
    setCurrentIndex(-1);
    setPlaceholderText(text);
}

void ComboBox::Clear() {
    clear();
    if (isEditable()) {
        setEditText(QString());
    } else {
        setPlaceholderText(QString());
    }
}

void ComboBox::SetHint(const QString& hint) {
    setToolTip(hint);
    setStatusTip(hint);
}

void ComboBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // Opening the list or switching to another window is no exit; neither is
    // focus moving into the box's own list, which is a window of its own.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) {
        return;
    }
    for (QWidget* widget = QApplication::focusWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        if (widget == this) return;
    }
    if (onExit) onExit();
}

}  // namespace quill
