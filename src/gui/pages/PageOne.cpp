#include "pages/PageOne.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "catalogue/DataFiles.h"
#include "controls/ComboBox.h"
#include "controls/Hint.h"
#include "controls/Picture.h"
#include "controls/RadioGroup.h"
#include "platform/Messages.h"
#include "platform/TextConversion.h"
#include "session/QuoteSession.h"

using namespace quill;

namespace {

std::string Text(const ComboBox* box) { return FromQt(box->Text()); }

}  // namespace

TPageOne::TPageOne(QuoteSession& session, Messages& messages, OperationGuard& guard)
    : session_(session), messages_(messages), guard_(guard) {
    setObjectName("Page1");
    SetHint(this, "Orlenk Corporation");
    Build();
}

void TPageOne::Build() {
    QWidget* page = this;
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(12);

    rgApp = new RadioGroup("Application:", {"Jumper", "Feeder"}, page);
    rgApp->setObjectName("rgApp");
    rgApp->SetHint("Select An Application");
    rgApp->SetItemIndex(0);
    rgApp->onClick = guard_([this] { rgAppClick(); });

    GroupBox1 = new QGroupBox("Length:", page);
    GroupBox1->setObjectName("GroupBox1");
    SetHint(GroupBox1, "Select a Length");
    cboLength = new ComboBox(GroupBox1, true);
    cboLength->setObjectName("cboLength");
    cboLength->setAccessibleName("Length");
    cboLength->onExit = guard_([this] { cboLengthExit(); });
    rbFeet = new QRadioButton("Feet", GroupBox1);
    rbFeet->setObjectName("rbFeet");
    rbFeet->setChecked(true);
    rbMeters = new QRadioButton("Meters", GroupBox1);
    rbMeters->setObjectName("rbMeters");
    auto* lengthRow = new QHBoxLayout(GroupBox1);
    lengthRow->addWidget(cboLength, 1);
    lengthRow->addWidget(rbFeet);
    lengthRow->addWidget(rbMeters);

    GroupBox2 = new QGroupBox("Frequencies:", page);
    GroupBox2->setObjectName("GroupBox2");
    SetHint(GroupBox2, "Select Frequencies");
    auto* frequencies = new QGridLayout(GroupBox2);
    const auto frequencyRow = [&](int row, ComboBox*& box, const char* name, const QString& label,
                                  const QString& hint) {
        box = new ComboBox(GroupBox2, true);
        box->setObjectName(name);
        box->setAccessibleName(QString(label).remove(':') + " (MHz)");
        box->SetHint(hint);
        frequencies->addWidget(new QLabel(label, GroupBox2), row, 0);
        frequencies->addWidget(box, row, 1);
        frequencies->addWidget(new QLabel("MHz", GroupBox2), row, 2);
    };
    frequencyRow(0, cboBeginning, "cboBeginning",
                 "Beginning Frequency:", "Select A Beginning Frequency");
    frequencyRow(1, cboEnding, "cboEnding", "Ending Frequency:", "Select An Ending Frequency");
    cboBeginning->onExit = guard_([this] { cboBeginningExit(); });
    cboEnding->onExit = guard_([this] { cboEndingExit(); });
    // The band is always entered in MHz: the unit buttons exist but never show.
    rbMHz = new QRadioButton("MHz", GroupBox2);
    rbMHz->setObjectName("rbMHz");
    rbMHz->setChecked(true);
    rbMHz->hide();
    rbGHz = new QRadioButton("GHz", GroupBox2);
    rbGHz->setObjectName("rbGHz");
    rbGHz->hide();
    connect(rbMHz, &QRadioButton::toggled, this, [this](bool on) {
        if (on) guard_([this] { SwitchFrequencyUnit("M"); })();
    });
    connect(rbGHz, &QRadioButton::toggled, this, [this](bool on) {
        if (on) guard_([this] { SwitchFrequencyUnit("G"); })();
    });

    rgCableType = new RadioGroup(
        "Cable Type:", {"Air Coaxial", "Foam Coaxial", "Elliptical Waveguide"}, page);
    rgCableType->setObjectName("rgCableType");
    rgCableType->SetItemIndex(1);

    auto* left = new QVBoxLayout;
    left->addWidget(rgApp);
    left->addWidget(GroupBox1);
    left->addWidget(GroupBox2);
    left->addWidget(rgCableType);
    left->addStretch(1);
    grid->addLayout(left, 0, 0);

    const auto picture = [&](Picture*& control, const char* name, const QString& hint) {
        control = new Picture(page);
        control->setObjectName(name);
        control->SetHint(hint);
        control->setMinimumSize(120, 60);
        control->SetModest(true);
    };
    picture(imgTopJumper, "imgTopJumper", "Top Jumper");
    picture(imgBottomJumper, "imgBottomJumper", "Bottom Jumper");
    picture(imgFeeder, "imgFeeder", "Main Feeder");
    imgFeeder->hide();

    gbxConnectors = new QGroupBox("Connectors:", page);
    gbxConnectors->setObjectName("gbxConnectors");
    chkTopConnector = new QCheckBox("Include Top Connector", gbxConnectors);
    chkTopConnector->setObjectName("chkTopConnector");
    chkTopConnector->setChecked(true);
    chkBottomConnector = new QCheckBox("Include Bottom Connector", gbxConnectors);
    chkBottomConnector->setObjectName("chkBottomConnector");
    chkBottomConnector->setChecked(true);
    auto* boxes = new QVBoxLayout(gbxConnectors);
    boxes->addWidget(chkTopConnector);
    boxes->addWidget(chkBottomConnector);
    // A check box changed from code acts as a click, as the user's would.
    for (QCheckBox* box : {chkTopConnector, chkBottomConnector})
        connect(box, &QCheckBox::toggled, this, guard_([this] { chkTopConnectorClick(); }));
    gbxConnectors->hide();

    rgFeeder = new RadioGroup(
        "Connector Attachment(s)",
        {"Both Connectors", "Top Connector ONLY", "Bottom Connector ONLY", "No Connectors"}, page);
    rgFeeder->setObjectName("rgFeeder");
    rgFeeder->SetHint("Select A Type Of Feeder");
    rgFeeder->onClick = guard_([this] { rgFeederClick(); });
    rgFeeder->hide();

    // The jumper's two pictures and the feeder's one take turns in one place,
    // so the page is never as high as all three.
    pictures_ = new QStackedWidget(page);
    auto* jumperPictures = new QWidget(pictures_);
    auto* jumperLayout = new QVBoxLayout(jumperPictures);
    jumperLayout->setContentsMargins(0, 0, 0, 0);
    jumperLayout->addWidget(imgTopJumper, 1);
    jumperLayout->addWidget(imgBottomJumper, 1);
    pictures_->addWidget(jumperPictures);
    pictures_->addWidget(imgFeeder);
    auto* right = new QVBoxLayout;
    right->addWidget(pictures_, 1);
    right->addWidget(gbxConnectors);
    right->addWidget(rgFeeder);
    right->addStretch(0);
    grid->addLayout(right, 0, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
}

void TPageOne::Start(const std::filesystem::path& programFolder) {
    choices_.Start();
    ShowLengths();
    rgCableType->SetItemEnabled(2, false);
    ShowImage(imgTopJumper, programFolder, "topjumper.gif");
    ShowImage(imgBottomJumper, programFolder, "bottomjumper.gif");
    ShowImage(imgFeeder, programFolder, "mainfeeder.gif");
}

Selection TPageOne::Choices() {
    TakeTyped();
    return choices_.AsSelection();
}

void TPageOne::FocusField(SelectionField field) {
    ComboBox* boxes[] = {cboLength, cboBeginning, cboEnding};
    const int box = static_cast<int>(field);
    if (box < 0 || box >= 3) return;
    boxes[box]->setFocus(Qt::OtherFocusReason);
    boxes[box]->lineEdit()->selectAll();
}

// What the user typed, picked or clicked, handed to the rules before they run.
void TPageOne::TakeTyped() {
    choices_.length.text = Text(cboLength);
    choices_.meters = rbMeters->isChecked();
    choices_.beginning.text = Text(cboBeginning);
    choices_.ending.text = Text(cboEnding);
    choices_.cableType.Select(rgCableType->ItemIndex());
    choices_.feederItem.Select(rgFeeder->ItemIndex());
}

void TPageOne::ShowList(ComboBox* box, const ListChoice& list) {
    box->SetItems(ToQt(list.Items()));
    box->SetText(ToQt(list.text));
}

void TPageOne::ShowLengths() { ShowList(cboLength, choices_.length); }

void TPageOne::ShowEnds() {
    // Shown, not clicked: the feeder item selected here runs no handler.
    const QSignalBlocker top(chkTopConnector), bottom(chkBottomConnector);
    showingEnds_ = true;
    chkTopConnector->setChecked(choices_.topIncluded);
    chkBottomConnector->setChecked(choices_.bottomIncluded);
    rgFeeder->SetItemIndex(choices_.feederItem.index);
    for (int item = 0; item < 4; ++item)
        rgFeeder->SetItemEnabled(item, choices_.feederItem.Enabled(item));
    showingEnds_ = false;
}

void TPageOne::FillFrequencyLists() {
    choices_.FillBand(session_.Data().frequencies);
    ShowList(cboBeginning, choices_.beginning);
    ShowList(cboEnding, choices_.ending);
}

void TPageOne::rgAppClick() {
    TakeTyped();
    choices_.ChooseApplication(rgApp->ItemIndex() == 1);
    const bool feeder = choices_.feeder;
    ShowLengths();
    ShowEnds();
    rgFeeder->setVisible(feeder);
    rgCableType->SetItemIndex(choices_.cableType.index);
    rgCableType->SetItemEnabled(2, choices_.cableType.Enabled(2));
    session_.SetApplication(feeder);
    gbxConnectors->setVisible(feeder);
    imgFeeder->setVisible(feeder);
    imgTopJumper->setVisible(!feeder);
    imgBottomJumper->setVisible(!feeder);
    pictures_->setCurrentIndex(feeder ? 1 : 0);
}

void TPageOne::chkTopConnectorClick() {
    TakeTyped();
    choices_.SetEnds(chkTopConnector->isChecked(), chkBottomConnector->isChecked());
    ShowEnds();
}

void TPageOne::rgFeederClick() {
    if (showingEnds_) return;
    TakeTyped();
    choices_.ChooseFeederItem(rgFeeder->ItemIndex());
    ShowEnds();
}

// A text that is no number warns once and stays, selected, for the user to
// correct: the box never takes a value the user did not type or pick, and
// Next refuses it. The warning comes again after the box held a number.
void TPageOne::CheckValue(ComboBox* box) {
    if (IsNumericText(Text(box))) {
        warned_.erase(box);
        return;
    }
    if (!warned_.insert(box).second) return;
    messages_.Beep();
    messages_.Warning(kNotNumericMessage);
    box->lineEdit()->selectAll();
}

// The length is judged when the box is left, as the frequencies are: a text
// half typed ("2," on the way to "2,5") is no mistake yet.
void TPageOne::cboLengthExit() { CheckValue(cboLength); }

// Leaving one frequency box narrows the other one's list. A box left empty,
// or one the user has not reached yet, is no error: there is nothing to
// compare yet, and Next asks for what is missing.
void TPageOne::cboBeginningExit() {
    TakeTyped();
    CheckValue(cboBeginning);
    choices_.LeaveBeginning();
    ShowList(cboEnding, choices_.ending);
}

void TPageOne::cboEndingExit() {
    TakeTyped();
    CheckValue(cboEnding);
    choices_.LeaveEnding();
    ShowList(cboBeginning, choices_.beginning);
}

void TPageOne::SwitchFrequencyUnit(const std::string& unit) {
    TakeTyped();
    choices_.SwitchUnit(UpperCase(unit) == "G");
    ShowList(cboBeginning, choices_.beginning);
    ShowList(cboEnding, choices_.ending);
}
