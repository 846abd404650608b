#include "results/ResultPages.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/TfrmMain.h"
#include "catalogue/DataFiles.h"
#include "controls/ComboBox.h"
#include "controls/Grid.h"
#include "controls/PageControl.h"
#include "controls/RadioGroup.h"
#include "platform/TextConversion.h"
#include "pricing/PricingDate.h"
#include "results/StandardLengths.h"
#include "rf/Rf.h"

using namespace quill;

// Next on page 2 and the three result pages it leads to.

Selection TfrmMain::ReadSelection() const {
    Selection s;
    s.feeder = rgApp->ItemIndex() == 1;
    s.feederIndex = rgFeeder->ItemIndex();
    s.lengthText = FromQt(cboLength->Text());
    s.meters = rbMeters->isChecked();
    s.ghz = rbGHz->isChecked();
    s.beginText = FromQt(cboBeginning->Text());
    s.endText = FromQt(cboEnding->Text());
    s.cableTypeIndex = rgCableType->ItemIndex();
    s.topIncluded = chkTopConnector->isChecked();
    s.bottomIncluded = chkBottomConnector->isChecked();
    s.cableText = FromQt(cboTLineData->Text());
    s.diameterText = FromQt(edtTlineSize->text());
    s.diameterShown = !edtTlineSize->isHidden();
    s.topLabel = FromQt(lblTopDescription->text());
    s.bottomLabel = FromQt(lblBottomDescription->text());
    s.topSpecial = FromQt(cboC1Description->Text());
    s.bottomSpecial = FromQt(cboC2Description->Text());
    s.topInner = FromQt(cboC1Inner->Text());
    s.bottomInner = FromQt(cboC2Inner->Text());
    s.vellisk = rgConnectorAttachment->ItemIndex() == 0;
    s.platedGrade = rgConnectorGrade->ItemIndex() == 0;
    return s;
}

// Each included end takes the first connector of the cable that fits its
// name, special characteristic, inner attachment, attachment and grade. An
// end that nothing fits is refused here rather than priced without a connector.
bool TfrmMain::PickConnectors() {
    currentAssembly.cable = currentCable;
    for (End* end : {&top, &bottom}) {
        TConnector*& chosen =
            end == &top ? currentAssembly.topConnector : currentAssembly.bottomConnector;
        chosen = nullptr;
        if (!Included(*end)) continue;
        EndChoice choice = ChoiceOf(*end);
        choice.key = FromQt(end->description->text());
        choice.byName = true;
        chosen = FittingConnector(*currentCable, choice);
        if (!chosen) {
            services.messages.Beep();
            services.messages.Warning("No connector of the cable " + currentCable->partNumber +
                                      " fits the choices made for the " +
                                      (end == &top ? "top" : "bottom") +
                                      " connector. Please choose that connector again.");
            return false;
        }
    }
    return true;
}

void TfrmMain::ResolvePageTwo() {
    if (!currentCable) return;
    if (!PickConnectors()) return;
    const Selection selection = ReadSelection();
    // Figures that cannot be computed (a waveguide band at or below its
    // cut-off) are reported before any page changes.
    PerformanceFigures(selection, *currentCable);

    const ExchangeRates* converted = ConvertingRates();
    LookUpCablePrices(priceList, converted, selection.meters, *currentCable);
    if (selection.topIncluded)
        LookUpConnectorPrice(priceList, converted, *currentAssembly.topConnector);
    if (selection.bottomIncluded)
        LookUpConnectorPrice(priceList, converted, *currentAssembly.bottomConnector);

    if (selection.feeder ||
        !FindStandardJumper(DataFilePath(services.programFolder, "dat/jumpers.dat"),
                            currentAssembly)) {
        ShowPartsList();
        return;
    }
    StringList rejected;
    const StringList lines = BuildStandardLengthList(currentAssembly.feetLengths,
                                                     currentAssembly.meterLengths, &rejected);
    if (!rejected.empty()) {
        std::string named;
        for (const std::string& entry : rejected)
            named += (named.empty() ? "'" : ", '") + entry + "'";
        services.messages.Warning(currentAssembly.source + ": the standard lengths " + named +
                                  " of " + currentAssembly.basePartNumber +
                                  " are not lengths and are left out.");
    }
    const std::string partNumber =
        ComposePartNumber(currentAssembly.basePartNumber, selection.lengthText, selection.meters);
    if (MatchStandardLength(lines, selection.lengthText, selection.meters)) {
        ShowFinalSelection(partNumber, true);
        return;
    }
    const NearestLengths nearest =
        FindNearestStandardLengths(lines, selection.Length(), selection.meters);
    if (nearest.Any())
        ShowStandardLengths(lines, nearest.shorter, nearest.longer);
    else
        ShowFinalSelection(partNumber, false);
}

void TfrmMain::NextOnResultPage() {
    QWidget* page = PageControl1->ActivePage();
    if (page == tsNoLength)
        AcceptStandardLength();
    else if (page == tsNoPN || page == tsFinal)
        AddResultToOrder();
}

// The texts of the program break their lines with CR for a page of one
// width; on a page of any width the paragraphs stay and lines reflow.
QString ParagraphText(const std::string& text) {
    QString shown = ToQt(text);
    shown.replace("\r\n", "\r").replace("\r\r", "\n\n").replace('\r', ' ');
    return shown;
}

void TfrmMain::ShowMissingPrices(QLabel* notice, const StringList& partNumbers) {
    const std::string text = PriceNotice(priceList, partNumbers);
    notice->setText(ToQt(text));
    notice->setVisible(!text.empty());
}

void TfrmMain::ShowFinalSelection(const std::string& partNumber, bool hasListPrice,
                                  const std::string& standardLength) {
    finalSelection = ReadSelection();
    // A standard row taken on the lengths page is described and measured at its
    // own length, so that the figures agree with the part number.
    if (!standardLength.empty()) finalSelection.lengthText = standardLength;
    PageControl1->SetActivePage(tsFinal);
    grdFinal->SetCell(1, 0, ToQt(partNumber));
    currentAssembly.partNumber = partNumber;
    currentAssembly.hasListPrice = hasListPrice;
    // A listed jumper is priced as a whole; any other from its components.
    StringList priced;
    if (hasListPrice) {
        LookUpJumperPrice(priceList, ConvertingRates(), currentAssembly);
        priced.push_back(partNumber);
    } else if (currentAssembly.cable) {
        priced = {currentAssembly.cable->partNumber, currentAssembly.cable->attachmentPartNumber};
        for (const TConnector* connector :
             {currentAssembly.topConnector, currentAssembly.bottomConnector})
            if (connector) priced.emplace_back(connector->PartNumber());
    }
    ShowMissingPrices(lblPriceNotice2, priced);
    const FinalPage page = quill::BuildFinalPage(finalSelection, currentAssembly, Currency());
    for (int row = 1; row < 10; ++row) grdFinal->SetCell(1, row, ToQt(page.values[row]));
    grdFinal->SetCell(0, 2, ToQt(page.priceLabel));
    partsListLines = {page.itemLine};
}

void TfrmMain::ShowFinalPrice() {
    const CurrencyInForce currency = Currency();
    grdFinal->SetCell(1, 2, ToQt(FinalPriceText(finalSelection, currentAssembly, currency)));
    grdFinal->SetCell(0, 2, ToQt("Price " + currency.Label() + ":"));
}

void TfrmMain::ShowStandardLengths(const StringList& lines, int shorter, int longer) {
    rgStdLengths->SetItemEnabled(1, false);
    rgStdLengths->SetItemEnabled(2, false);
    PageControl1->SetActivePage(tsNoLength);
    const Selection s = ReadSelection();
    const double length = s.Length();
    const auto set = [this](int row, const std::string& a, const std::string& b,
                            const std::string& c, const std::string& d, const std::string& e) {
        const std::string cells[] = {a, b, c, d, e};
        for (int column = 0; column < 5; ++column)
            grdLengths->SetCell(column, row, ToQt(cells[column]));
    };
    const std::string& base = currentAssembly.basePartNumber;
    if (s.meters)
        set(0, "Your Selection:", ComposePartNumber(base, s.lengthText, true),
            FormatMoney(length * kFeetPerMeter), s.lengthText, "0");
    else
        set(0, "Your Selection:", ComposePartNumber(base, s.lengthText, false), s.lengthText,
            FormatMoney(length / kFeetPerMeter), "0");
    const auto offer = [&](int item, const char* caption, const std::string& line) {
        rgStdLengths->SetItemEnabled(item, true);
        const std::string standard = FieldAt(line, s.meters ? 3 : 2);
        const std::string difference =
            FloatToText(StrToFloat(standard) - length) + (s.meters ? " Meters" : " Feet");
        set(item, caption, base + FieldAt(line, 1), FieldAt(line, 2), FieldAt(line, 3), difference);
    };
    int row = 1;
    if (shorter >= 0) offer(row++, "A little shorter:", lines[shorter]);
    if (longer >= 0) offer(row, "A little longer:", lines[longer]);
}

void TfrmMain::AcceptStandardLength() {
    const int row = std::max(0, rgStdLengths->ItemIndex());
    const std::string partNumber = FromQt(grdLengths->Cell(1, row));
    const std::string standardLength =
        row > 0 ? FromQt(grdLengths->Cell(rbMeters->isChecked() ? 3 : 2, row)) : std::string();
    ShowFinalSelection(partNumber, row > 0, standardLength);
}

void TfrmMain::ShowPartsList() {
    PageControl1->SetActivePage(tsNoPN);
    const PartsListPage page = BuildPartsList(ReadSelection(), currentAssembly, Currency());
    lblPartsList->setText(ParagraphText(page.explanation));
    grdJumper->SetRowCount(static_cast<int>(page.rows.size()));
    for (int row = 0; row < grdJumper->RowCount(); ++row) {
        const PartsRow& r = page.rows[row];
        const std::string cells[] = {r.qty,   r.uom,      r.partNumber, r.description,
                                     r.price, r.extended, r.type};
        for (int column = 0; column < 7; ++column)
            grdJumper->SetCell(column, row, ToQt(cells[column]));
    }
    grdJumper->SetHeading(4, ToQt(page.priceHeading));
    grdJumper->FitRowsToContent();
    lblTotal->setText(ToQt(page.totalLabel));
    edTotal->setText(ToQt(page.total));
    for (int row = 0; row < 7; ++row) grdJumperspecs->SetCell(1, row, ToQt(page.figures[row]));
    partsListLines = page.itemLines;

    StringList partNumbers;
    for (const PartsRow& row : page.rows) partNumbers.push_back(row.partNumber);
    ShowMissingPrices(lblPriceNotice1, partNumbers);
}

void TfrmMain::ClearGridCells(Grid* grid) { grid->ClearCells(); }

void TfrmMain::tsNoPNShow() {
    ClearGridCells(grdJumper);
    edTotal->clear();
    for (int row = 0; row < grdJumperspecs->RowCount(); ++row) grdJumperspecs->SetCell(1, row, "");
    btnNext->setText("Add To Order");
    btnBack->setEnabled(true);
    SetFrameMenus(true);
    ShowPricingDate(lblUpdate1);
}

void TfrmMain::tsNoLengthShow() {
    SetNavigationVisible(true);
    btnBack->setEnabled(true);
    ClearGridCells(grdLengths);
    rgStdLengths->SetItemIndex(0);
    SetFrameMenus(false);
}

void TfrmMain::tsFinalShow() {
    for (int row = 0; row < grdFinal->RowCount(); ++row) grdFinal->SetCell(1, row, "");
    btnNext->setText("Add to Order");
    btnBack->setEnabled(true);
    SetNavigationVisible(true);
    SetFrameMenus(true);
    ShowPricingDate(lblUpdate2);
}

void TfrmMain::ShowPricingDate(QLabel* label) {
    const Date today = services.clock.Today();
    const Date updated = ReadPricingDate(services.writtenFolder, today);
    pricingUpdateDate = FormatDate(updated);
    label->setText(ToQt(PricingDateText(pricingUpdateDate)));
    // Once red, a notice stays red for the rest of the run.
    if (IsPricingStale(updated, today)) label->setStyleSheet("color: red;");
}
