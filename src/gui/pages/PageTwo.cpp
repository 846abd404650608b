#include "pages/PageTwo.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/ComboBox.h"
#include "controls/Hint.h"
#include "controls/Picture.h"
#include "controls/RadioGroup.h"
#include "pages/ConnectorEnd.h"
#include "pages/TCompareSizesDlg.h"
#include "platform/TextConversion.h"
#include "session/QuoteSession.h"

using namespace quill;

TPageTwo::TPageTwo(QuoteSession& session, OperationGuard& guard,
                   const std::filesystem::path& programFolder, Clipboard& clipboard,
                   Messages& messages)
    : session_(session), programFolder_(programFolder), clipboard_(clipboard), messages_(messages) {
    setObjectName("Page2");
    SetHint(this, "Orlenk Corporation");
    QWidget* page = this;
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(3);

    GroupBox3 = new QGroupBox("Cable", page);
    GroupBox3->setObjectName("GroupBox3");
    SetHint(GroupBox3, "Cable");
    auto* cable = new QVBoxLayout(GroupBox3);
    cable->setContentsMargins(4, 4, 4, 4);
    cable->setSpacing(3);
    rgCableGrade = new RadioGroup(
        "Cable Grade:", {"Standard Cable", "Premium Cable", "Flame Retardant Cable"}, GroupBox3);
    rgCableGrade->setObjectName("rgCableGrade");
    rgCableGrade->SetHint("Select Cable Grade");
    rgCableGrade->onClick = guard([this] { rgCableGradeClick(); });
    cable->addWidget(rgCableGrade);
    cable->addWidget(new QLabel("Name:", GroupBox3));
    cboTLineData = new ComboBox(GroupBox3, false);
    cboTLineData->setObjectName("cboTLineData");
    cboTLineData->setAccessibleName("Cable Size");
    cboTLineData->SetHint("Select Cable Size");
    cboTLineData->onChange = guard([this] { cboTLineDataChange(); });
    cable->addWidget(cboTLineData);
    lblDiameter = new QLabel("Diameter:", GroupBox3);
    lblDiameter->setObjectName("lblDiameter");
    edtTlineSize = new QLineEdit(GroupBox3);
    edtTlineSize->setObjectName("edtTlineSize");
    edtTlineSize->setAccessibleName("Cable Diameter");
    edtTlineSize->setReadOnly(true);
    cable->addWidget(lblDiameter);
    cable->addWidget(edtTlineSize);
    imgCable = new Picture(GroupBox3);
    imgCable->setObjectName("imgCable");
    imgCable->SetHint("Cable");
    imgCable->setMinimumSize(90, 50);
    imgCable->SetModest(true);
    cable->addWidget(imgCable, 1);

    top_ = new TConnectorEnd(true, session.PageTwo(), guard);
    bottom_ = new TConnectorEnd(false, session.PageTwo(), guard);
    for (TConnectorEnd* end : {top_, bottom_})
        connect(end, &TConnectorEnd::changed, this, &TPageTwo::ShowState);
    grid->addWidget(top_, 0, 0);
    grid->addWidget(GroupBox3, 0, 1);
    grid->addWidget(bottom_, 0, 2);

    rgConnectorAttachment = new RadioGroup("Connector Attachment:", {"Vellisk", "Regular"}, page);
    rgConnectorAttachment->setObjectName("rgConnectorAttachment");
    rgConnectorAttachment->SetHint("Select Connector Attachment");
    rgConnectorAttachment->SetItemIndex(0);
    rgConnectorAttachment->onClick = guard([this] { rgConnectorAttachmentClick(); });
    imgVL = new Picture(page);
    imgVL->setObjectName("imgVL");
    imgVL->setMinimumSize(60, 40);
    rgConnectorGrade = new RadioGroup("Connector Grade:", {"Plated", "Standard"}, page);
    rgConnectorGrade->setObjectName("rgConnectorGrade");
    rgConnectorGrade->SetHint("Select Connector Grade");
    rgConnectorGrade->SetItemIndex(1);
    rgConnectorGrade->onClick = guard([this] { rgConnectorGradeClick(); });
    grid->addWidget(rgConnectorAttachment, 1, 0);
    btnCompareSizes = new QPushButton("Co&mpare Sizes...", page);
    btnCompareSizes->setObjectName("btnCompareSizes");
    SetHint(btnCompareSizes, "Every size of the band side by side");
    connect(btnCompareSizes, &QPushButton::clicked, this,
            guard([this] { btnCompareSizesClick(); }));
    // Under the Vellisk picture, between the two lower groups: the page keeps its height.
    auto* middle = new QVBoxLayout;
    middle->addWidget(imgVL, 1, Qt::AlignCenter);
    middle->addWidget(btnCompareSizes, 0, Qt::AlignCenter);
    grid->addLayout(middle, 1, 1);
    grid->addWidget(rgConnectorGrade, 1, 2);
    for (int column = 0; column < 3; ++column) grid->setColumnStretch(column, 1);
    grid->setRowStretch(0, 1);
}

void TPageTwo::Start() { ShowImage(imgVL, programFolder_, "vl.gif"); }

void TPageTwo::Page2Show() {
    session_.ShowPageTwo();
    ShowState();
}

namespace {

void ShowRadio(RadioGroup* group, const RadioChoice& choice) {
    for (int item = 0; item < static_cast<int>(choice.enabled.size()); ++item)
        group->SetItemEnabled(item, choice.enabled[item]);
    group->SetItemIndex(choice.index);
}

}  // namespace

void TPageTwo::ShowState() {
    const PageTwoState& state = session_.PageTwo().State();
    showing_ = true;
    edtTlineSize->setVisible(state.diameterShown);
    lblDiameter->setVisible(state.diameterShown);
    rgConnectorAttachment->setEnabled(state.connectorOptions);
    rgConnectorGrade->setEnabled(state.connectorOptions);
    ShowRadio(rgCableGrade, state.cableGrade);
    ShowList(cboTLineData, state.cable);
    edtTlineSize->setText(ToQt(state.diameter));
    if (state.cablePicture != cablePictureShown_) {
        ShowImage(imgCable, programFolder_, state.cablePicture);
        cablePictureShown_ = state.cablePicture;
    }
    ShowRadio(rgConnectorAttachment, state.attachment);
    ShowRadio(rgConnectorGrade, state.connectorGrade);
    imgVL->setVisible(state.velliskPicture);
    top_->Show(state.top, programFolder_);
    bottom_->Show(state.bottom, programFolder_);
    showing_ = false;
}

void TPageTwo::rgCableGradeClick() {
    if (showing_) return;
    session_.PageTwo().SetCableGrade(rgCableGrade->ItemIndex());
    ShowState();
}

void TPageTwo::cboTLineDataChange() {
    session_.PageTwo().ChooseCable(FromQt(cboTLineData->Text()));
    ShowState();
}

void TPageTwo::rgConnectorGradeClick() {
    if (showing_) return;
    session_.PageTwo().SetConnectorGrade(rgConnectorGrade->ItemIndex());
    ShowState();
}

void TPageTwo::rgConnectorAttachmentClick() {
    if (showing_) return;
    session_.PageTwo().SetAttachment(rgConnectorAttachment->ItemIndex());
    ShowState();
}

void TPageTwo::btnCompareSizesClick() {
    TCompareSizesDlg dialog(CompareSizes(session_, session_.ShownSelection()),
                            session_.Currency().Code(), clipboard_, messages_, this);
    const std::optional<SizeRow> chosen = dialog.Execute();
    if (!chosen) return;
    // The same cascades as the user's clicks: the grade, then the size.
    session_.PageTwo().SetCableGrade(chosen->gradeIndex);
    session_.PageTwo().ChooseCable(chosen->cable);
    ShowState();
}
