#include "controls/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quill {

RadioGroup::RadioGroup(QWidget* parent)
    : QGroupBox(parent), group_(new QButtonGroup(this)), layout_(new QVBoxLayout(this)) {
    group_->setExclusive(true);
    connect(group_, &QButtonGroup::idToggled, this, &RadioGroup::ButtonToggled);
}

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : RadioGroup(parent) {
    setTitle(caption);
    SetItems(items);
}

void RadioGroup::SetItems(const QStringList& items) {
    rebuilding_ = true;
    for (QRadioButton* button : buttons_) {
        group_->removeButton(button);
        delete button;
    }
    buttons_.clear();
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setToolTip(hint_);
        button->setStatusTip(hint_);
        group_->addButton(button, i);
        layout_->addWidget(button);
        buttons_.push_back(button);
    }
    index_ = -1;
    rebuilding_ = false;
    UpdateTabStop();
}

QStringList RadioGroup::Items() const {
    QStringList items;
    for (const QRadioButton* button : buttons_) items << button->text();
    return items;
}

int RadioGroup::ItemCount() const { return static_cast<int>(buttons_.size()); }

QRadioButton* RadioGroup::Button(int index) const {
    if (index < 0 || index >= ItemCount()) return nullptr;
    return buttons_[static_cast<std::size_t>(index)];
}

void RadioGroup::SetItemIndex(int index) {
    if (index < 0 || index >= ItemCount()) index = -1;
    if (index == index_) return;
    if (index >= 0) {
        // The group's toggle notice reports the change.
        buttons_[static_cast<std::size_t>(index)]->setChecked(true);
        return;
    }
    // An exclusive group keeps its checked button; let go of exclusiveness
    // for the moment it takes to uncheck it.
    rebuilding_ = true;
    group_->setExclusive(false);
    for (QRadioButton* button : buttons_) button->setChecked(false);
    group_->setExclusive(true);
    rebuilding_ = false;
    SelectionChanged(-1);
}

void RadioGroup::ButtonToggled(int id, bool checked) {
    if (rebuilding_ || !checked) return;
    SelectionChanged(id);
}

void RadioGroup::SelectionChanged(int index) {
    if (index == index_) return;
    index_ = index;
    UpdateTabStop();
    if (onClick) onClick();
}

// Tab enters the group at its selected item, as it does a group of radio
// buttons anywhere; the arrow keys move within it. Without a selection the
// first item that can take the focus is the stop.
void RadioGroup::UpdateTabStop() {
    QRadioButton* stop = Button(index_);
    if (!stop || !stop->isEnabled()) {
        stop = nullptr;
        for (QRadioButton* button : buttons_)
            if (button->isEnabled() && !stop) stop = button;
    }
    for (QRadioButton* button : buttons_)
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void RadioGroup::SetItemEnabled(int index, bool enabled) {
    if (QRadioButton* button = Button(index)) button->setEnabled(enabled);
    UpdateTabStop();
}

bool RadioGroup::ItemEnabled(int index) const {
    // The item's own state, whatever the state of the group around it.
    const QRadioButton* button = Button(index);
    return button != nullptr && !button->testAttribute(Qt::WA_ForceDisabled);
}

void RadioGroup::SetHint(const QString& hint) {
    hint_ = hint;
    setToolTip(hint);
    setStatusTip(hint);
    for (QRadioButton* button : buttons_) {
        button->setToolTip(hint);
        button->setStatusTip(hint);
    }
}

}  // namespace quill
