#include "pages/TResultPages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/Grid.h"
#include "controls/Hint.h"
#include "controls/RadioGroup.h"
#include "platform/TextConversion.h"
#include "session/QuoteSession.h"

using namespace quill;

namespace {

// The parts list's columns: Qty, UOM, Part Number, Description, Price, Extended.
constexpr int kPartsWidths[] = {34, 45, 102, 218, 67, 75};

}  // namespace

namespace {

// A grid that only shows results: no cursor cell, nothing to select.
void DisplayOnly(Grid* grid) {
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
}

}  // namespace

// The texts of the program break their lines with CR for a page of one
// width; on a page of any width the paragraphs stay and lines reflow.
QString ParagraphText(const std::string& text) {
    QString shown = ToQt(text);
    shown.replace("\r\n", "\r").replace("\r\r", "\n\n").replace('\r', ' ');
    return shown;
}

// ------------------------------------------------------------ parts list

TPartsListPage::TPartsListPage() : TResultPage("tsNoPN") {
    QWidget* page = this;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    lblPartsList = new QLabel(page);
    lblPartsList->setObjectName("lblPartsList");
    lblPartsList->setWordWrap(true);
    layout->addWidget(lblPartsList);

    grdJumper = new Grid(7, 1, page);
    grdJumper->setObjectName("grdJumper");
    grdJumper->SetHint("Parts List");
    grdJumper->SetHeadingVisible(true);
    grdJumper->SetHeadings({"Qty", "UOM", "Part Number", "Description", "Price", "Extended", ""});
    const int* widths = kPartsWidths;
    const Qt::Alignment alignments[] = {Qt::AlignCenter, Qt::AlignLeft,  Qt::AlignLeft,
                                        Qt::AlignLeft,   Qt::AlignRight, Qt::AlignRight};
    for (int column = 0; column < 6; ++column) {
        grdJumper->SetColumnWidth(column, widths[column]);
        grdJumper->SetColumnAlignment(column, alignments[column] | Qt::AlignVCenter);
    }
    grdJumper->SetColumnHidden(6, true);  // the item type code travels with its row
    grdJumper->SetStretchColumn(3);
    grdJumper->SetDefaultRowHeight(29);
    grdJumper->SetWordWrap(true);
    grdJumper->SetReadOnly();
    DisplayOnly(grdJumper);
    grdJumper->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdJumper->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdJumper->SetFitRowsToContent(true);  // a long description shows whole
    layout->addWidget(grdJumper);

    auto* totalRow = new QHBoxLayout;
    totalRow->addStretch(1);
    lblTotal = new QLabel("Total ($US):", page);
    lblTotal->setObjectName("lblTotal");
    edTotal = new QLineEdit(page);
    edTotal->setObjectName("edTotal");
    edTotal->setAccessibleName("Total");
    edTotal->setReadOnly(true);
    edTotal->setAlignment(Qt::AlignRight);
    edTotal->setFixedWidth(90);
    SetHint(edTotal, "Price");
    totalRow->addWidget(lblTotal);
    totalRow->addWidget(edTotal);
    layout->addLayout(totalRow);
    MakeShared(1);
    layout->addWidget(priceNotice_);

    auto* lower = new QHBoxLayout;
    grdJumperspecs = new Grid(2, 7, page);
    grdJumperspecs->setObjectName("grdJumperspecs");
    grdJumperspecs->SetLabelColumn(0);
    grdJumperspecs->SetDefaultRowHeight(22);
    grdJumperspecs->SetReadOnly();
    DisplayOnly(grdJumperspecs);
    for (int row = 0; row < 7; ++row) grdJumperspecs->SetCell(0, row, ToQt(FigureLabels()[row]));
    // The labels set the width: "Attenuation (dB/100 ft)" and "(dB/100m)"
    // must both show whole to be told apart.
    grdJumperspecs->resizeColumnToContents(0);
    grdJumperspecs->SetColumnWidth(1, 100);
    grdJumperspecs->setFixedSize(
        grdJumperspecs->columnWidth(0) + 100 + 2 * grdJumperspecs->frameWidth(),
        grdJumperspecs->FittingHeight());
    lower->addWidget(grdJumperspecs, 0, Qt::AlignTop);

    auto* notices = new QVBoxLayout;
    Label11 = BlueLabel(page, "Label11",
                        "To get the most of your Orlenk software, make sure to update regularly to "
                        "get the latest pricing and product information.");
    notices->addWidget(pricingDate_);
    notices->addWidget(foreign_);
    notices->addWidget(Label11);
    notices->addWidget(update_);
    auto* figures = new QHBoxLayout;  // the band plot and the datasheet side by side
    figures->addWidget(bandPlot_);
    figures->addWidget(datasheet_);
    notices->addLayout(figures);
    notices->addStretch(1);
    lower->addLayout(notices, 1);
    layout->addLayout(lower);
    layout->addStretch(1);
}

void TPartsListPage::tsNoPNShow() {
    grdJumper->ClearCells();
    edTotal->clear();
    for (int row = 0; row < grdJumperspecs->RowCount(); ++row) grdJumperspecs->SetCell(1, row, "");
}

void TPartsListPage::Show(const QuoteResult& result) {
    const PartsListPage& page = result.partsList;
    lblPartsList->setText(ParagraphText(page.explanation));
    grdJumper->SetRowCount(static_cast<int>(page.rows.size()));
    for (int row = 0; row < grdJumper->RowCount(); ++row) {
        const PartsRow& r = page.rows[row];
        const std::string cells[] = {r.qty,   r.uom,      r.partNumber, r.description,
                                     r.price, r.extended, r.type};
        for (int column = 0; column < 7; ++column)
            grdJumper->SetCell(column, row, ToQt(cells[column]));
    }
    // The money columns name the currency and show their headings whole; the
    // description takes what is left.
    const StringList headings = PartsListHeadings(page);
    for (int column : {4, 5}) {
        grdJumper->SetHeading(column, ToQt(headings[column]));
        grdJumper->WidenToHeading(column, kPartsWidths[column]);
    }
    grdJumper->FitRowsToContent();
    lblTotal->setText(ToQt(page.totalLabel));
    edTotal->setText(ToQt(page.total));
    for (int row = 0; row < 7; ++row) grdJumperspecs->SetCell(1, row, ToQt(page.figures[row]));
    ShowPriceNotice(result.priceNotice);
}

// ------------------------------------------------------------ standard lengths

TStandardLengthsPage::TStandardLengthsPage() {
    setObjectName("tsNoLength");
    SetHint(this, "Orlenk Corporation");
    QWidget* page = this;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 4, 6, 2);
    layout->setSpacing(4);
    // The explanation's own line breaks were made for a wider page: paragraphs
    // stay, lines are reflowed to the page's width.
    QString explanation(
        "The length you have selected is not a standard length for this jumper assembly, but there "
        "are some standard\r\nlengths available that are close to your selection.\r\n\r\nYour "
        "jumper assembly can still be made with the length you originally selected, but ordering "
        "standard lengths \r\nmay speed up production time, allowing you to receive your order "
        "faster.\r\n\r\nBelow is a list of standard lengths for the jumper assembly that you have "
        "selected that are close to the length \r\nyou picked.\r\n\r\nYou can either select one "
        "of these standard lengths, or you can keep your current selection.");
    explanation.replace("\r\n\r\n", "\n\n").replace("\r\n", " ").replace("  ", " ");
    Label4 = new QLabel(explanation, page);
    Label4->setObjectName("Label4");
    Label4->setWordWrap(true);
    layout->addWidget(Label4);

    grdLengths = new Grid(5, 3, page);
    grdLengths->setObjectName("grdLengths");
    grdLengths->SetHint("Standard Lengths");
    grdLengths->SetHeadingVisible(true);
    grdLengths->SetHeadings(
        {"Description", "Part Number", "Length (Feet)", "Length (Meters)", "Difference In Length"});
    grdLengths->SetHeadingColor(Qt::blue);
    grdLengths->SetHeadingAlignment(Qt::AlignCenter);
    grdLengths->SetHeadingWordWrap(true);
    grdLengths->SetHeadingHeight(33);
    grdLengths->SetDefaultRowHeight(36);
    const int widths[] = {110, 130, 90, 90, 130};
    for (int column = 0; column < 5; ++column) {
        grdLengths->SetColumnWidth(column, widths[column]);
        grdLengths->SetColumnAlignment(column, Qt::AlignCenter);
    }
    grdLengths->SetStretchColumn(4);
    grdLengths->SetReadOnly();
    DisplayOnly(grdLengths);
    grdLengths->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdLengths->setFixedHeight(grdLengths->FittingHeight());

    rgStdLengths = new RadioGroup(
        "", {"Keep Your Current Selection", "Select This Jumper", "Select This Jumper"}, page);
    rgStdLengths->setObjectName("rgStdLengths");
    rgStdLengths->SetHint("Select A Jumper");
    rgStdLengths->layout()->setSpacing(2);
    auto* row = new QHBoxLayout;
    row->addWidget(rgStdLengths);
    row->addStretch(1);
    layout->addWidget(grdLengths);
    layout->addLayout(row);
    layout->addStretch(1);
}

void TStandardLengthsPage::tsNoLengthShow() {
    grdLengths->ClearCells();
    rgStdLengths->SetItemIndex(0);
}

void TStandardLengthsPage::Show(const QuoteResult& result) {
    for (int row = 0; row < 3; ++row) {
        rgStdLengths->SetItemEnabled(row, result.lengths.enabled[row]);
        for (int column = 0; column < 5; ++column)
            grdLengths->SetCell(column, row, ToQt(result.lengths.cells[row][column]));
    }
}

int TStandardLengthsPage::ChosenItem() const { return rgStdLengths->ItemIndex(); }

// ------------------------------------------------------------ final page

TFinalPage::TFinalPage() : TResultPage("tsFinal") {
    QWidget* page = this;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 3, 6, 2);
    layout->setSpacing(2);
    grdFinal = new Grid(2, 10, page);
    grdFinal->setObjectName("grdFinal");
    grdFinal->SetHint("Final Selection Data");
    grdFinal->SetLabelColumn(0);
    grdFinal->SetColumnWidth(0, 160);
    grdFinal->SetColumnWidth(1, 390);
    grdFinal->SetStretchColumn(1);
    grdFinal->SetColumnAlignment(1, Qt::AlignLeft | Qt::AlignVCenter);
    grdFinal->SetWordWrap(true);
    grdFinal->SetDefaultRowHeight(22);
    grdFinal->SetRowHeight(1, 100);
    grdFinal->SetReadOnly();
    DisplayOnly(grdFinal);
    for (int row = 0; row < 10; ++row) grdFinal->SetCell(0, row, ToQt(FinalPageLabels()[row]));
    grdFinal->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdFinal->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdFinal->setFixedHeight(grdFinal->FittingHeight());
    grdFinal->SetFitRowsToContent(true);  // the description row as high as its lines
    layout->addWidget(grdFinal);
    MakeShared(2);
    layout->addWidget(priceNotice_);
    lblReminder = BlueLabel(page, "lblReminder",
                            "To get the most of your Orlenk software, you should update regularly "
                            "to get the latest pricing and product information.");
    layout->addWidget(pricingDate_);
    layout->addWidget(foreign_);
    auto* reminder = new QHBoxLayout;
    reminder->addWidget(lblReminder, 1);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(update_);
    auto* figures = new QHBoxLayout;  // the band plot and the datasheet side by side
    figures->addWidget(bandPlot_);
    figures->addWidget(datasheet_);
    buttons->addLayout(figures);
    reminder->addLayout(buttons);
    layout->addLayout(reminder);
    layout->addStretch(1);
}

void TFinalPage::tsFinalShow() {
    for (int row = 0; row < grdFinal->RowCount(); ++row) grdFinal->SetCell(1, row, "");
}

void TFinalPage::Show(const QuoteResult& result) {
    for (int row = 0; row < 10; ++row) grdFinal->SetCell(1, row, ToQt(result.final.values[row]));
    grdFinal->SetCell(0, 2, ToQt(result.final.priceLabel));
    ShowPriceNotice(result.priceNotice);
}
