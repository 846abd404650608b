#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/TfrmMain.h"
#include "controls/ComboBox.h"
#include "controls/Hint.h"
#include "controls/Picture.h"
#include "controls/RadioGroup.h"
#include "platform/TextConversion.h"

using namespace quill;

namespace {

const char* const kGradeLetters[] = {"S", "P", "R"};

}  // namespace

QWidget* TfrmMain::BuildPageTwo() {
    QWidget* page = NewPage("Page2");
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
    rgCableGrade->onClick = Guarded([this] { rgCableGradeClick(); });
    cable->addWidget(rgCableGrade);
    cable->addWidget(new QLabel("Name:", GroupBox3));
    cboTLineData = new ComboBox(GroupBox3, false);
    cboTLineData->setObjectName("cboTLineData");
    cboTLineData->SetHint("Select Cable Size");
    cboTLineData->onChange = Guarded([this] { cboTLineDataChange(); });
    cable->addWidget(cboTLineData);
    lblDiameter = new QLabel("Diameter:", GroupBox3);
    lblDiameter->setObjectName("lblDiameter");
    edtTlineSize = new QLineEdit(GroupBox3);
    edtTlineSize->setObjectName("edtTlineSize");
    edtTlineSize->setReadOnly(true);
    cable->addWidget(lblDiameter);
    cable->addWidget(edtTlineSize);
    imgCable = new Picture(GroupBox3);
    imgCable->setObjectName("imgCable");
    imgCable->SetHint("Cable");
    imgCable->setMinimumSize(90, 50);
    imgCable->SetModest(true);
    cable->addWidget(imgCable, 1);

    grid->addWidget(BuildEndGroup(top, "C1", "Top Connector", "top"), 0, 0);
    grid->addWidget(GroupBox3, 0, 1);
    grid->addWidget(BuildEndGroup(bottom, "C2", "Bottom Connector", "bottom"), 0, 2);
    rbC1Actual = top.actual, rbC1MatesTo = top.matesTo, cboC1MatesTo = top.connector;
    lblTopDescription = top.description, imgTop = top.picture;
    cboC1Description = top.special, cboC1Inner = top.inner;
    rbC2Actual = bottom.actual, rbC2MatesTo = bottom.matesTo, cboC2MatesTo = bottom.connector;
    lblBottomDescription = bottom.description, imgBottom = bottom.picture;
    cboC2Description = bottom.special, cboC2Inner = bottom.inner;
    lblTopDescription->setText("Top Connector Desc.");
    lblBottomDescription->setText("Bottom Connector Desc");

    rgConnectorAttachment = new RadioGroup("Connector Attachment:", {"Vellisk", "Regular"}, page);
    rgConnectorAttachment->setObjectName("rgConnectorAttachment");
    rgConnectorAttachment->SetHint("Select Connector Attachment");
    rgConnectorAttachment->SetItemIndex(0);
    rgConnectorAttachment->onClick = Guarded([this] { rgConnectorAttachmentClick(); });
    imgVL = new Picture(page);
    imgVL->setObjectName("imgVL");
    imgVL->setMinimumSize(60, 40);
    rgConnectorGrade = new RadioGroup("Connector Grade:", {"Plated", "Standard"}, page);
    rgConnectorGrade->setObjectName("rgConnectorGrade");
    rgConnectorGrade->SetHint("Select Connector Grade");
    rgConnectorGrade->SetItemIndex(1);
    rgConnectorGrade->onClick = Guarded([this] { rgConnectorGradeClick(); });
    grid->addWidget(rgConnectorAttachment, 1, 0);
    grid->addWidget(imgVL, 1, 1, Qt::AlignCenter);
    grid->addWidget(rgConnectorGrade, 1, 2);
    for (int column = 0; column < 3; ++column) grid->setColumnStretch(column, 1);
    grid->setRowStretch(0, 1);
    return page;
}

QGroupBox* TfrmMain::BuildEndGroup(End& end, const char* prefix, const QString& caption,
                                   const QString& which) {
    const QString p = prefix;
    auto* group = new QGroupBox(caption);
    group->setObjectName(prefix == QString("C1") ? "GroupBox4" : "GroupBox5");
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    end.group = group;
    end.actual = new QRadioButton("Actual", group);
    end.actual->setObjectName("rb" + p + "Actual");
    SetHint(end.actual, "Actual Connector");
    end.actual->setChecked(true);
    end.matesTo = new QRadioButton("Mates To", group);
    end.matesTo->setObjectName("rb" + p + "MatesTo");
    SetHint(end.matesTo, "Connector Mates To");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(end.actual);
    buttons->addWidget(end.matesTo);
    layout->addLayout(buttons);
    for (QRadioButton* button : {end.actual, end.matesTo})
        connect(button, &QRadioButton::toggled, this, [this, &end](bool on) {
            if (on)
                Guarded([this, &end] { &end == &top ? rbC1ActualClick() : rbC2ActualClick(); })();
        });

    end.connector = new ComboBox(group, false);
    end.connector->setObjectName("cbo" + p + "MatesTo");
    end.connector->SetHint(caption);
    // Each control runs the handler named for it.
    const bool isTop = &end == &top;
    end.connector->onChange =
        Guarded([this, isTop] { isTop ? cboC1MatesToChange() : cboC2MatesToChange(); });
    layout->addWidget(end.connector);
    end.description = new QLabel(group);
    end.description->setObjectName(prefix == QString("C1") ? "lblTopDescription"
                                                           : "lblBottomDescription");
    end.description->setWordWrap(true);
    layout->addWidget(end.description);
    end.picture = new Picture(group);
    end.picture->setObjectName(prefix == QString("C1") ? "imgTop" : "imgBottom");
    end.picture->SetHint(caption);
    end.picture->setMinimumSize(70, 40);
    end.picture->SetModest(true);
    layout->addWidget(end.picture, 1);
    layout->addWidget(new QLabel("Special Characteristics:", group));
    end.special = new ComboBox(group, false);
    end.special->setObjectName("cbo" + p + "Description");
    end.special->SetHint("Select special characteristics for " + which + " connector");
    end.special->onChange =
        Guarded([this, isTop] { isTop ? cboC1DescriptionChange() : cboC2DescriptionChange(); });
    layout->addWidget(end.special);
    layout->addWidget(new QLabel("Inner Connector Attachment:", group));
    end.inner = new ComboBox(group, false);
    end.inner->setObjectName("cbo" + p + "Inner");
    end.inner->SetHint("Select inner connector attachment for " + which + " connector");
    end.inner->onChange =
        Guarded([this, isTop] { isTop ? cboC1InnerChange() : cboC2InnerChange(); });
    layout->addWidget(end.inner);
    return group;
}

void TfrmMain::Page2Show() {
    const bool waveguide = rgCableType->ItemIndex() == 2;
    edtTlineSize->setVisible(!waveguide);
    lblDiameter->setVisible(!waveguide);
    for (End* end : {&top, &bottom}) {
        const bool on = Included(*end);
        for (QWidget* control : std::initializer_list<QWidget*>{
                 end->connector, end->actual, end->matesTo, end->special, end->inner})
            control->setEnabled(on);
        if (!on) {
            end->connector->SetText("None");
            end->special->SetText("N/A");
            end->inner->SetText("N/A");
            LoadPicture(end->picture, "noconnectors.gif");
        }
    }
    const bool anyEnd = Included(top) || Included(bottom);
    rgConnectorAttachment->setEnabled(anyEnd);
    rgConnectorGrade->setEnabled(anyEnd);

    SetNavigationVisible(true);
    btnRestart->setEnabled(true);
    btnBack->setEnabled(true);
    btnNext->setText("Next ->");
    SetFrameMenus(false);

    EnableCableGrades(bandMatchedCables);
    rgCableGradeClick();
}

void TfrmMain::EnableCableGrades(const CableList& cables) {
    bool seen[3] = {false, false, false};
    for (const TTransmissionLine* cable : cables) {
        for (int i = 0; i < 3; ++i) seen[i] = seen[i] || cable->gradeCode == kGradeLetters[i];
        if (seen[0] && seen[1] && seen[2]) break;
    }
    for (int i = 0; i < 3; ++i) rgCableGrade->SetItemEnabled(i, seen[i]);
    if (cableGradeIndex >= 0 && cableGradeIndex < 3 && seen[cableGradeIndex]) {
        rgCableGrade->SetItemIndex(cableGradeIndex);
        return;
    }
    for (int i = 0; i < 3; ++i) {
        if (seen[i]) {
            rgCableGrade->SetItemIndex(i);
            return;
        }
    }
}

void TfrmMain::rgCableGradeClick() {
    cableGradeIndex = rgCableGrade->ItemIndex();
    CableFilter filter;
    if (cableGradeIndex >= 0 && cableGradeIndex < 3)
        filter.gradeCode = kGradeLetters[cableGradeIndex];
    gradeMatchedCables = FilterCables(bandMatchedCables, filter);
    FillCableSizeList();
    cboTLineDataChange();
    if (Included(top)) cboC1MatesToChange();
    if (Included(bottom)) cboC2MatesToChange();
}

void TfrmMain::FillCableSizeList() {
    StringList partNumbers;
    for (const TTransmissionLine* cable : gradeMatchedCables)
        partNumbers.push_back(cable->partNumber);
    cboTLineData->SetItems(ToQt(SortedUnique(partNumbers)));
    const int grade = rgCableGrade->ItemIndex();
    const std::string letter = grade >= 0 && grade < 3 ? kGradeLetters[grade] : "";
    if (!cableModelName.empty()) {
        for (const TTransmissionLine* cable : gradeMatchedCables) {
            if (cable->modelName == cableModelName && cable->gradeCode == letter) {
                cboTLineData->SetItemIndex(cboTLineData->IndexOf(ToQt(cable->partNumber)));
                return;
            }
        }
    }
    cboTLineData->SetItemIndex(0);
}

void TfrmMain::cboTLineDataChange() {
    if (!gradeMatchedCables.empty()) {
        const std::string chosen = FromQt(cboTLineData->Text());
        currentCable = gradeMatchedCables.back();
        for (TTransmissionLine* cable : gradeMatchedCables) {
            if (cable->partNumber == chosen) {
                currentCable = cable;
                break;
            }
        }
    }
    if (!currentCable) return;
    cableModelName = currentCable->modelName;
    edtTlineSize->setText(ToQt(currentCable->diameter + " in."));
    LoadPicture(imgCable, currentCable->modelName + ".gif");
    const bool anyEnd = Included(top) || Included(bottom);
    if (anyEnd) {
        EnableConnectorOptions();
        FillConnectorLists();
    }
    if (Included(top)) cboC1MatesToChange();
    if (Included(bottom)) cboC2MatesToChange();
    if (anyEnd) {
        rgConnectorGradeClick();
        rgConnectorAttachmentClick();
    }
}

void TfrmMain::EnableConnectorOptions() {
    const bool vellisk = !currentCable->firstAttachmentFlag.empty() && rgApp->ItemIndex() == 0;
    rgConnectorAttachment->SetItemEnabled(0, vellisk);
    rgConnectorAttachment->SetItemEnabled(1, true);
    if (connectorAttachmentIndex >= 0 && connectorAttachmentIndex < 2 &&
        rgConnectorAttachment->ItemEnabled(connectorAttachmentIndex))
        rgConnectorAttachment->SetItemIndex(connectorAttachmentIndex);
    else
        rgConnectorAttachment->SetItemIndex(vellisk ? 0 : 1);

    rgConnectorGrade->SetItemEnabled(0, !currentCable->platedFlag.empty());
    rgConnectorGrade->SetItemEnabled(
        1, !currentCable->standardFlag.empty() && rgConnectorAttachment->ItemIndex() == 1);
    if (connectorGradeIndex >= 0 && connectorGradeIndex < 2 &&
        rgConnectorGrade->ItemEnabled(connectorGradeIndex))
        rgConnectorGrade->SetItemIndex(connectorGradeIndex);
    else
        rgConnectorGrade->SetItemIndex(rgConnectorGrade->ItemEnabled(0) ? 0 : 1);
}
