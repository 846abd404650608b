#include "pages/TCompareSizesDlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Clipboard.h"
#include "platform/Messages.h"
#include "platform/TextConversion.h"
#include "session/QuoteSession.h"
#include "text/Fields.h"

using namespace quill;

namespace {

constexpr int kRowRole = Qt::UserRole;       // the row's place in the comparison
constexpr int kSortRole = Qt::UserRole + 1;  // a figure's value, for sorting

// Sorts figures by value and texts as texts.
class Cell : public QTableWidgetItem {
  public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant mine = data(kSortRole), theirs = other.data(kSortRole);
        if (mine.isValid() && theirs.isValid()) return mine.toDouble() < theirs.toDouble();
        if (mine.isValid() != theirs.isValid()) return mine.isValid();  // no price last
        return QTableWidgetItem::operator<(other);
    }
};

// A heading on up to three short lines: each word of a name of two words,
// then the unit ("Total\nAttenuation\n(dB)").
QString Heading(const std::string& text) {
    QString heading = ToQt(text);
    const qsizetype unit = heading.indexOf(" (");
    const QString name = unit < 0 ? heading : heading.left(unit);
    const QString rest = unit < 0 ? QString() : "\n" + heading.mid(unit + 1);
    return (name.count(' ') == 1 && name.size() > 8 ? QString(name).replace(' ', '\n') : name) +
           rest;
}

// A limit is read as every figure of the program is, with a point,
// whatever the desktop's language; an empty box sets none.
std::optional<double> Limit(const QLineEdit* box) {
    double value = 0;
    if (!TryStrToFloat(FromQt(box->text()), value)) return std::nullopt;
    return value;
}

bool NoNumber(const QLineEdit* box) { return !box->text().trimmed().isEmpty() && !Limit(box); }

}  // namespace

TCompareSizesDlg::TCompareSizesDlg(std::vector<SizeRow> rows, std::string currencyCode,
                                   Clipboard& clipboard, Messages& messages, QWidget* parent)
    : QDialog(parent),
      rows_(std::move(rows)),
      currency_(std::move(currencyCode)),
      clipboard_(clipboard),
      messages_(messages) {
    setObjectName("CompareSizesDlg");
    setWindowTitle("Compare Sizes");
    auto* limits = new QFormLayout;
    edtMaxLoss = new QLineEdit(this);
    edtMaxLoss->setObjectName("edtMaxLoss");
    edtMinPower = new QLineEdit(this);
    edtMinPower->setObjectName("edtMinPower");
    for (QLineEdit* box : {edtMaxLoss, edtMinPower}) {
        box->setMaximumWidth(120);
        connect(box, &QLineEdit::textChanged, this, [this] { Refill(); });
        connect(box, &QLineEdit::editingFinished, this, [this, box] { CheckLimit(box); });
    }
    limits->addRow("Maximum insertion loss (dB):", edtMaxLoss);
    limits->addRow("Minimum average power (kW):", edtMinPower);
    edtMaxLoss->setAccessibleName("Maximum insertion loss (dB)");
    edtMinPower->setAccessibleName("Minimum average power (kW)");

    tblSizes = new QTableWidget(this);
    tblSizes->setObjectName("tblSizes");
    tblSizes->setAccessibleName("Cable sizes");
    const StringList headings = ComparisonHeadings(currency_);
    tblSizes->setColumnCount(static_cast<int>(headings.size()));
    QStringList labels;  // on short lines, for narrow columns
    for (const std::string& heading : headings) labels << Heading(heading);
    tblSizes->setHorizontalHeaderLabels(labels);
    tblSizes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblSizes->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblSizes->setSelectionMode(QAbstractItemView::SingleSelection);
    tblSizes->verticalHeader()->hide();
    tblSizes->setWordWrap(false);
    tblSizes->horizontalHeader()->setStretchLastSection(true);
    tblSizes->setSortingEnabled(true);

    btnUse = new QPushButton("&Use This Size", this);
    btnUse->setObjectName("btnUse");
    btnCopy = new QPushButton("Co&py", this);
    btnCopy->setObjectName("btnCopy");
    btnClose = new QPushButton("&Close", this);
    btnClose->setObjectName("btnClose");
    lblMeets = new QLabel(this);
    lblMeets->setObjectName("lblMeets");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnUse);
    buttons->addWidget(btnCopy);
    buttons->addSpacing(12);
    buttons->addWidget(lblMeets);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(limits);
    layout->addWidget(tblSizes, 1);
    layout->addLayout(buttons);
    // Wide enough for every column where the screen allows; on a smaller
    // screen the dialog is fitted to it as it shows, and the table scrolls.
    resize(1300, 480);

    connect(tblSizes, &QTableWidget::itemSelectionChanged, this,
            [this] { btnUse->setEnabled(SelectedRow() && SelectedRow()->price); });
    connect(tblSizes, &QTableWidget::cellDoubleClicked, btnUse, &QPushButton::click);
    connect(btnUse, &QPushButton::clicked, this, [this] {
        if (const SizeRow* row = SelectedRow(); row && row->price) {
            chosen_ = *row;
            accept();
        }
    });
    connect(btnCopy, &QPushButton::clicked, this, [this] {
        std::vector<SizeRow> shown;
        for (int r = 0; r < tblSizes->rowCount(); ++r)
            if (!tblSizes->isRowHidden(r))
                shown.push_back(rows_[tblSizes->item(r, 0)->data(kRowRole).toUInt()]);
        clipboard_.SetText(ComparisonText(shown, currency_));
    });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    Refill();
}

SizeLimits TCompareSizesDlg::Limits() const { return {Limit(edtMaxLoss), Limit(edtMinPower)}; }

const SizeRow* TCompareSizesDlg::SelectedRow() const {
    const QList<QTableWidgetItem*> selected = tblSizes->selectedItems();
    if (selected.isEmpty()) return nullptr;
    const QTableWidgetItem* first = tblSizes->item(selected.front()->row(), 0);
    return &rows_[first->data(kRowRole).toUInt()];
}

// The rows within the limits, the cheapest of them in bold on green.
void TCompareSizesDlg::Refill() {
    MarkWithin(rows_, Limits());
    const bool sorting = tblSizes->isSortingEnabled();
    tblSizes->setSortingEnabled(false);
    tblSizes->clearContents();
    tblSizes->setRowCount(static_cast<int>(rows_.size()));
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const SizeRow& row = rows_[r];
        const StringList cells = ComparisonCells(row);
        const double values[] = {0,
                                 0,
                                 row.attenuation,
                                 row.totalAttenuation,
                                 row.insertionLoss,
                                 row.efficiency,
                                 row.maxPower,
                                 row.averagePower,
                                 row.price.value_or(0)};
        for (std::size_t c = 0; c < cells.size(); ++c) {
            auto* item = new Cell(ToQt(cells[c]));
            item->setToolTip(item->text());
            item->setData(kRowRole, static_cast<uint>(r));
            if (c >= 2 && c <= 8 && (c != 8 || row.price)) item->setData(kSortRole, values[c]);
            if (c >= 2 && c <= 8) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (row.cheapest) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setBackground(QColor(210, 240, 210));
            }
            tblSizes->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    tblSizes->setSortingEnabled(sorting);
    for (int r = 0; r < tblSizes->rowCount(); ++r)
        tblSizes->setRowHidden(r, !rows_[tblSizes->item(r, 0)->data(kRowRole).toUInt()].meets);
    tblSizes->resizeColumnsToContents();
    const int note = tblSizes->columnCount() - 1;  // a long note is whole in its tip
    tblSizes->setColumnWidth(note, std::min(tblSizes->columnWidth(note), 220));
    btnUse->setEnabled(SelectedRow() && SelectedRow()->price);
    const SizeLimits limits = Limits();
    for (const QLineEdit* box : {edtMaxLoss, edtMinPower})
        if (NoNumber(box))  // never silently ignored
            return lblMeets->setText("'" + box->text().trimmed() +
                                     "' is not a number: the decimal separator is a point.");
    lblMeets->setText(ToQt(MeetsSummary(rows_, limits)));
}

// A box left with a text that is no number warns as every figure box does
// and keeps the text, selected, for the user to correct.
void TCompareSizesDlg::CheckLimit(QLineEdit* box) {
    if (!NoNumber(box)) return;
    messages_.Beep();
    messages_.Warning(kNotNumericMessage);
    box->setFocus();
    box->selectAll();
}

std::optional<SizeRow> TCompareSizesDlg::Execute() {
    chosen_.reset();
    if (onShown) QTimer::singleShot(0, this, [this] { onShown(*this); });
    exec();
    return chosen_;
}
