#include "online/TfrmUpdate.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "controls/ComboBox.h"
#include "controls/Grid.h"
#include "controls/RadioGroup.h"
#include "online/ReminderRow.h"
#include "platform/ErrorReport.h"
#include "platform/TextConversion.h"

using namespace quill;

namespace {

// Each cell cleared and its text drawn on one line, vertically centred, in
// the colour its row is due.
class ProgramCellDelegate : public QStyledItemDelegate {
  public:
    explicit ProgramCellDelegate(TfrmUpdate& dialog)
        : QStyledItemDelegate(dialog.sgPrograms), dialog_(dialog) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        painter->fillRect(option.rect, selected ? palette.highlight() : palette.base());
        const QString lastUpdate = dialog_.sgPrograms->Cell(1, index.row());
        painter->setPen(dialog_.ProgramRowColour(index.row(), lastUpdate));
        const QRect text = option.rect.adjusted(3, 0, -3, 0);
        painter->drawText(
            text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
            option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, text.width()));
    }

  private:
    TfrmUpdate& dialog_;
};

}  // namespace

TfrmUpdate::TfrmUpdate(QuickUpdate& update, Messages& messages, const Clock& clock, QWidget* parent)
    : QDialog(parent), update_(update), messages_(messages), clock_(clock) {
    setObjectName("frmUpdate");
    setWindowTitle("Orlenk QuickUpdate");
    auto* layout = new QVBoxLayout(this);

    rgAction = new RadioGroup(
        "Select Action:", {"Update Pricing &Database Only", "Update &Program Files"}, this);
    rgAction->setObjectName("rgAction");
    rgAction->SetItemIndex(0);
    rgAction->onClick = [this] { rgActionClick(); };
    layout->addWidget(rgAction);

    auto* directions = new QHBoxLayout;
    lblDirections = new QLabel("Select program(s) to update:", this);
    lblDirections->setObjectName("lblDirections");
    chkAll = new QCheckBox("Select &All", this);
    chkAll->setObjectName("chkAll");
    chkAll->setEnabled(false);
    directions->addWidget(lblDirections, 1);
    directions->addWidget(chkAll);
    layout->addLayout(directions);

    sgPrograms = new Grid(2, 1, this);
    sgPrograms->setObjectName("sgPrograms");
    sgPrograms->SetHeadingVisible(true);
    sgPrograms->SetHeadings({"Program Name", "Last Update"});
    sgPrograms->SetReadOnly();
    sgPrograms->SetColumnWidth(0, 230);
    sgPrograms->SetStretchColumn(1);
    sgPrograms->SetDefaultRowHeight(20);
    sgPrograms->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgPrograms->setSelectionMode(QAbstractItemView::ContiguousSelection);
    sgPrograms->setItemDelegate(new ProgramCellDelegate(*this));
    sgPrograms->setMinimumHeight(120);
    sgPrograms->setEnabled(false);
    connect(sgPrograms, &QTableWidget::cellClicked, this, [this](int, int) { sgProgramsClick(); });
    layout->addWidget(sgPrograms, 1);

    const ReminderRow reminder(this, "chkReminder", "Run QuickUpdate again in", 30);
    chkReminder = reminder.check;
    cboNumDays = reminder.days;
    lblDays = reminder.label;
    layout->addLayout(reminder.layout);

    auto* buttons = new QHBoxLayout;
    btnUpdate = new QPushButton("&Update Now", this);
    btnUpdate->setObjectName("btnUpdate");
    btnUpdate->setDefault(true);
    btnCancel = new QPushButton("&Cancel", this);
    btnCancel->setObjectName("btnCancel");
    buttons->addStretch(1);
    buttons->addWidget(btnUpdate);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);

    connect(chkAll, &QCheckBox::clicked, this, [this] { chkAllClick(); });
    connect(chkReminder, &QCheckBox::clicked, this, [this] { chkReminderClick(); });
    connect(btnUpdate, &QPushButton::clicked, this,
            [this] { RunGuarded(messages_, [this] { btnUpdateClick(); }); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    rgActionClick();
    resize(420, 340);
}

bool TfrmUpdate::ProgramFilesMode() const { return rgAction->ItemIndex() == 1; }

void TfrmUpdate::rgActionClick() {
    const bool programs = ProgramFilesMode();
    sgPrograms->setEnabled(programs);
    chkAll->setEnabled(programs);
    QPalette palette = sgPrograms->palette();
    // The list looks like a window to work in only while it can be used.
    palette.setColor(QPalette::Base, programs ? QPalette().color(QPalette::Base)
                                              : QPalette().color(QPalette::Window));
    sgPrograms->setPalette(palette);
    sgPrograms->viewport()->update();
}

void TfrmUpdate::chkAllClick() {
    if (chkAll->isChecked()) sgPrograms->selectAll();
}

void TfrmUpdate::sgProgramsClick() { chkAll->setChecked(false); }

void TfrmUpdate::chkReminderClick() { cboNumDays->setEnabled(chkReminder->isChecked()); }

void TfrmUpdate::btnCancelClick() { reject(); }

int TfrmUpdate::SelectedProgramCount() const {
    const std::vector<int> rows = sgPrograms->SelectedRows();
    return rows.empty() ? 0 : rows.back() - rows.front() + 1;
}

std::vector<std::string> TfrmUpdate::SelectedProgramNames() const {
    std::vector<std::string> names;
    for (int row : sgPrograms->SelectedRows()) {
        const QString name = sgPrograms->Cell(0, row);
        if (!name.isEmpty()) names.push_back(FromQt(name));
    }
    return names;
}

QColor TfrmUpdate::ProgramRowColour(int row, const QString& lastUpdate) const {
    const QPalette& palette = sgPrograms->palette();
    switch (quill::ProgramRowColour(sgPrograms->RowSelected(row), !ProgramFilesMode(),
                                    FromQt(lastUpdate), clock_.Today())) {
        case RowColour::HighlightText:
            return palette.color(QPalette::HighlightedText);
        case RowColour::GrayText:
            return palette.color(QPalette::Disabled, QPalette::Text);
        case RowColour::Red:
            return Qt::red;
        case RowColour::WindowText:
            break;
    }
    return palette.color(QPalette::Active, QPalette::Text);
}

void TfrmUpdate::btnUpdateClick() {
    const bool programs = ProgramFilesMode();
    if (!update_.ConfirmUpdate(programs, SelectedProgramCount())) return;
    if (!update_.IsConnected()) return;
    const std::filesystem::path folder = update_.UpdatesFolder();
    const bool ok = programs ? update_.UpdatePrograms(folder, SelectedProgramNames())
                             : update_.UpdatePricing(folder, true);
    if (ok) accept();
}
