#include "pages/ConnectorEnd.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "controls/ComboBox.h"
#include "controls/Hint.h"
#include "controls/Picture.h"
#include "platform/TextConversion.h"
#include "session/PageTwoChoices.h"

using namespace quill;

void ShowList(ComboBox* box, const ListChoice& list) {
    const QStringList items = ToQt(list.Items());
    if (box->Items() != items) box->SetItems(items);
    const int index = list.Index();
    if (index >= 0 || list.text.empty())
        box->SetItemIndex(index);
    else
        box->SetText(ToQt(list.text));
}

TConnectorEnd::TConnectorEnd(bool top, PageTwoChoices& choices, OperationGuard& guard)
    : QGroupBox(top ? "Top Connector" : "Bottom Connector"), top_(top), choices_(choices) {
    const QString p = top ? "C1" : "C2";
    const QString caption = title();
    const QString which = top ? "top" : "bottom";
    setObjectName(top ? "GroupBox4" : "GroupBox5");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    actual_ = new QRadioButton("Actual", this);
    actual_->setObjectName("rb" + p + "Actual");
    SetHint(actual_, "Actual Connector");
    actual_->setChecked(true);
    matesTo_ = new QRadioButton("Mates To", this);
    matesTo_->setObjectName("rb" + p + "MatesTo");
    SetHint(matesTo_, "Connector Mates To");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(actual_);
    buttons->addWidget(matesTo_);
    layout->addLayout(buttons);
    for (QRadioButton* button : {actual_, matesTo_})
        connect(button, &QRadioButton::toggled, this, [this, &guard](bool on) {
            if (on && !showing_) guard([this] { rbActualClick(); })();
        });

    connector_ = new ComboBox(this, false);
    connector_->setObjectName("cbo" + p + "MatesTo");
    connector_->setAccessibleName(caption);
    connector_->SetHint(caption);
    connector_->onChange = guard([this] { cboMatesToChange(); });
    layout->addWidget(connector_);
    description_ = new QLabel(this);
    description_->setObjectName(top ? "lblTopDescription" : "lblBottomDescription");
    description_->setWordWrap(true);
    description_->setText(top ? "Top Connector Desc." : "Bottom Connector Desc");
    layout->addWidget(description_);
    picture_ = new Picture(this);
    picture_->setObjectName(top ? "imgTop" : "imgBottom");
    picture_->SetHint(caption);
    picture_->setMinimumSize(70, 40);
    picture_->SetModest(true);
    layout->addWidget(picture_, 1);
    layout->addWidget(new QLabel("Special Characteristics:", this));
    special_ = new ComboBox(this, false);
    special_->setObjectName("cbo" + p + "Description");
    special_->setAccessibleName(caption + " Special Characteristics");
    special_->SetHint("Select special characteristics for " + which + " connector");
    special_->onChange = guard([this] { cboDescriptionChange(); });
    layout->addWidget(special_);
    layout->addWidget(new QLabel("Inner Connector Attachment:", this));
    inner_ = new ComboBox(this, false);
    inner_->setObjectName("cbo" + p + "Inner");
    inner_->setAccessibleName(caption + " Inner Connector Attachment");
    inner_->SetHint("Select inner connector attachment for " + which + " connector");
    inner_->onChange = guard([this] { cboInnerChange(); });
    layout->addWidget(inner_);
}

void TConnectorEnd::Show(const EndState& end, const std::filesystem::path& programFolder) {
    showing_ = true;
    for (QWidget* control :
         std::initializer_list<QWidget*>{connector_, actual_, matesTo_, special_, inner_})
        control->setEnabled(end.included);
    (end.actual ? actual_ : matesTo_)->setChecked(true);
    ShowList(connector_, end.connector);
    ShowList(special_, end.special);
    ShowList(inner_, end.inner);
    description_->setText(ToQt(end.label));
    if (end.picture != pictureShown_ || !picture_->HasPicture()) {
        ShowImage(picture_, programFolder, end.picture);
        pictureShown_ = end.picture;
    }
    showing_ = false;
}

void TConnectorEnd::cboMatesToChange() {
    choices_.ChooseConnector(top_, FromQt(connector_->Text()));
    emit changed();
}

void TConnectorEnd::cboDescriptionChange() {
    choices_.ChooseSpecial(top_, FromQt(special_->Text()));
    emit changed();
}

void TConnectorEnd::cboInnerChange() {
    choices_.ChooseInner(top_, FromQt(inner_->Text()));
    emit changed();
}

void TConnectorEnd::rbActualClick() {
    choices_.SetEndMode(top_, actual_->isChecked());
    emit changed();
}
