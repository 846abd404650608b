#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include "app/TfrmMain.h"
#include "catalogue/Images.h"
#include "controls/ComboBox.h"
#include "controls/Picture.h"
#include "controls/RadioGroup.h"
#include "platform/TextConversion.h"

using namespace quill;

namespace {

void FillBox(ComboBox* box, const StringList& items, const std::string& remembered) {
    box->SetItems(ToQt(items));
    const int found = remembered.empty() ? -1 : box->IndexOf(ToQt(remembered));
    box->SetItemIndex(found >= 0 ? found : 0);
}

}  // namespace

bool TfrmMain::Included(const End& end) const { return end.included->isChecked(); }

std::string TfrmMain::GradeLetter() const { return rgConnectorGrade->ItemIndex() == 0 ? "P" : "S"; }

std::string TfrmMain::AttachmentLetter() const {
    return rgConnectorAttachment->ItemIndex() == 0 ? "S" : "R";
}

EndChoice TfrmMain::ChoiceOf(const End& end) const {
    return EndChoice{FromQt(end.connector->Text()), end.actual->isChecked(),
                     FromQt(end.special->Text()),   FromQt(end.inner->Text()),
                     AttachmentLetter(),            GradeLetter()};
}

void TfrmMain::FillConnectorLists() {
    if (!currentCable) return;
    for (End* end : {&top, &bottom}) {
        if (!Included(*end)) continue;
        end->connector->Clear();
        FillBox(end->connector,
                ConnectorKeys(*currentCable, GradeLetter(), AttachmentLetter(), end->actual->isChecked()),
                end->connectorName);
    }
}

void TfrmMain::ConnectorChange(End& end) {
    end.connectorName = FromQt(end.connector->Text());
    if (currentCable) FillBox(end.special, SpecialChoices(*currentCable, ChoiceOf(end)), end.specialName);
    DescriptionChange(end);
}

void TfrmMain::DescriptionChange(End& end) {
    end.specialName = FromQt(end.special->Text());
    if (currentCable) FillBox(end.inner, InnerChoices(*currentCable, ChoiceOf(end)), end.innerName);
    ShowConnectorName(end);
    ShowConnectorPicture(end);
}

void TfrmMain::InnerChange(End& end) {
    end.innerName = FromQt(end.inner->Text());
    ShowConnectorName(end);
    ShowConnectorPicture(end);
}

// The label under the box names the connector itself. Chosen by its own name,
// that is the name; chosen by what it mates with, it is the first connector
// that fits everything chosen for the end, so that the label, the picture and
// the part priced later all agree.
void TfrmMain::ShowConnectorName(End& end) {
    if (!currentCable) return;
    const EndChoice choice = ChoiceOf(end);
    const TConnector* connector = choice.byName ? nullptr : FittingConnector(*currentCable, choice);
    if (!connector) connector = ConnectorWithKey(*currentCable, choice);
    if (connector) end.description->setText(ToQt(std::string(connector->Name())));
}

void TfrmMain::ShowConnectorPicture(End& end) {
    LoadPicture(end.picture,
                ConnectorPictureFile(imageLines, FromQt(end.description->text()),
                                     IsRightAngleText(FromQt(end.special->Text())),
                                     rgConnectorAttachment->ItemIndex() == 0));
}

void TfrmMain::ActualClick(End& end) {
    FillConnectorLists();
    ConnectorChange(end);
}

void TfrmMain::cboC1MatesToChange() { ConnectorChange(top); }
void TfrmMain::cboC2MatesToChange() { ConnectorChange(bottom); }
void TfrmMain::cboC1DescriptionChange() { DescriptionChange(top); }
void TfrmMain::cboC2DescriptionChange() { DescriptionChange(bottom); }
void TfrmMain::cboC1InnerChange() { InnerChange(top); }
void TfrmMain::cboC2InnerChange() { InnerChange(bottom); }
void TfrmMain::rbC1ActualClick() { ActualClick(top); }
void TfrmMain::rbC2ActualClick() { ActualClick(bottom); }

void TfrmMain::rgConnectorGradeClick() {
    connectorGradeIndex = rgConnectorGrade->ItemIndex();
    FillConnectorLists();
    if (Included(top)) cboC1MatesToChange();
    if (Included(bottom)) cboC2MatesToChange();
}

void TfrmMain::rgConnectorAttachmentClick() {
    connectorAttachmentIndex = rgConnectorAttachment->ItemIndex();
    if (connectorAttachmentIndex != 0) {
        if (currentCable) EnableConnectorOptions();
        imgVL->hide();
    } else {
        rgConnectorGrade->SetItemEnabled(1, false);
        rgConnectorGrade->SetItemIndex(0);
        imgVL->show();
    }
    rgConnectorGradeClick();
}
