#include "pages/PageOne.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
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
    LoadLengthCombo(1, 50, 5);
    rgCableType->SetItemEnabled(2, false);
    ShowImage(imgTopJumper, programFolder, "topjumper.gif");
    ShowImage(imgBottomJumper, programFolder, "bottomjumper.gif");
    ShowImage(imgFeeder, programFolder, "mainfeeder.gif");
}

Selection TPageOne::Choices() const {
    Selection s;
    s.feeder = rgApp->ItemIndex() == 1;
    s.feederIndex = rgFeeder->ItemIndex();
    s.lengthText = Text(cboLength);
    s.meters = rbMeters->isChecked();
    s.ghz = rbGHz->isChecked();
    s.beginText = Text(cboBeginning);
    s.endText = Text(cboEnding);
    s.cableTypeIndex = rgCableType->ItemIndex();
    s.topIncluded = chkTopConnector->isChecked();
    s.bottomIncluded = chkBottomConnector->isChecked();
    return s;
}

void TPageOne::FocusField(SelectionField field) {
    ComboBox* boxes[] = {cboLength, cboBeginning, cboEnding};
    const int box = static_cast<int>(field);
    if (box < 0 || box >= 3) return;
    boxes[box]->setFocus(Qt::OtherFocusReason);
    boxes[box]->lineEdit()->selectAll();
}

void TPageOne::LoadLengthCombo(int first, int last, int selected) {
    QStringList items;
    for (int length = first; length <= last; ++length) items << QString::number(length);
    cboLength->SetItems(items);
    cboLength->SetItemIndex(selected);
}

void TPageOne::FillFrequencyLists() {
    const FrequencyLists& lists = session_.Data().frequencies;
    cboBeginning->SetItems(ToQt(lists.begin));
    cboEnding->SetItems(ToQt(lists.end));
    cboBeginning->SetItemIndex(cboBeginning->IndexOf("800"));
    cboEnding->SetItemIndex(cboEnding->IndexOf("2200"));
}

void TPageOne::rgAppClick() {
    if (rgApp->ItemIndex() == 1) {
        rgFeeder->show();
        rgFeeder->SetItemIndex(0);
        LoadLengthCombo(100, 500, 100);
    } else {
        rgFeeder->hide();
        rgFeeder->SetItemIndex(-1);
        rgCableType->SetItemIndex(1);
        chkTopConnector->setChecked(true);
        chkBottomConnector->setChecked(true);
        LoadLengthCombo(1, 50, 5);
    }
    session_.SetApplication(rgApp->ItemIndex() == 1);
    const bool feeder = !rgFeeder->isHidden();
    gbxConnectors->setVisible(feeder);
    rgCableType->SetItemEnabled(2, feeder);
    imgFeeder->setVisible(feeder);
    imgTopJumper->setVisible(!feeder);
    imgBottomJumper->setVisible(!feeder);
    pictures_->setCurrentIndex(feeder ? 1 : 0);
}

void TPageOne::chkTopConnectorClick() {
    const bool topOn = chkTopConnector->isChecked();
    const bool bottomOn = chkBottomConnector->isChecked();
    rgFeeder->SetItemIndex(topOn && bottomOn ? 0 : topOn ? 1 : bottomOn ? 2 : 3);
    rgFeeder->SetItemEnabled(0, topOn && bottomOn);
    rgFeeder->SetItemEnabled(1, topOn);
    rgFeeder->SetItemEnabled(2, bottomOn);
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
    const std::string ending = Text(cboEnding);
    CheckValue(cboBeginning);
    double begin = 0, end = 0;
    if (!TryStrToFloat(Text(cboBeginning), begin)) return;
    cboEnding->SetItems(ToQt(FrequenciesAbove(session_.Data().frequencies.end, begin)));
    cboEnding->SetItemIndex(0);
    if (!TryStrToFloat(ending, end) || begin > end) return;
    if (cboEnding->IndexOf(ToQt(ending)) < 0) cboEnding->AddItem(ToQt(ending));
    cboEnding->SetItemIndex(cboEnding->IndexOf(ToQt(ending)));
}

void TPageOne::cboEndingExit() {
    const std::string beginning = Text(cboBeginning);
    CheckValue(cboEnding);
    double end = 0, begin = 0;
    if (!TryStrToFloat(Text(cboEnding), end)) return;
    cboBeginning->SetItems(ToQt(FrequenciesBelow(session_.Data().frequencies.begin, end)));
    if (!TryStrToFloat(beginning, begin)) {
        cboBeginning->SetItemIndex(-1);
        return;
    }
    if (end < begin) {
        cboBeginning->SetItemIndex(cboBeginning->ItemCount() - 1);
        return;
    }
    if (cboBeginning->IndexOf(ToQt(beginning)) < 0) cboBeginning->AddItem(ToQt(beginning));
    cboBeginning->SetItemIndex(cboBeginning->IndexOf(ToQt(beginning)));
}

void TPageOne::SwitchFrequencyUnit(const std::string& unit) {
    const std::string upper = UpperCase(unit);
    if (upper == frequencyUnit_) return;
    const double factor = upper == "G" ? 1.0 / 1000 : 1000;
    for (ComboBox* box : {cboBeginning, cboEnding}) {
        const std::string remembered = Text(box);
        QStringList items;
        for (const QString& item : box->Items())
            items << ToQt(FloatToText(StrToFloat(FromQt(item)) * factor));
        box->SetItems(items);
        box->SetText(ToQt(FloatToText(StrToFloat(remembered) * factor)));
    }
    frequencyUnit_ = upper;
}
