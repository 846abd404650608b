#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <map>

#include "app/TfrmMain.h"
#include "controls/Grid.h"
#include "controls/PageControl.h"
#include "platform/TextConversion.h"
#include "results/ResultPages.h"

using namespace quill;

// The "Currency Settings" menu: a top-level "US Dollars (USD)" and one
// submenu per region. Every item is a radio item; the two US-dollar items are
// checked and unchecked together.
void TfrmMain::BuildCurrencyMenu() {
    std::map<std::string, QMenu*> regions;
    // One of many: the items show radio marks. The top-level "US Dollars" has
    // a group of its own, so that it can be checked with its North American
    // twin.
    auto* everyCurrency = new QActionGroup(this);
    auto* topDollars = new QActionGroup(this);
    const struct {
        const char* name;
        const char* caption;
    } kRegions[] = {{"Africa1", "Africa"},
                    {"Asia1", "Asia"},
                    {"Europe1", "Europe"},
                    {"MiddleEast1", "Middle East"},
                    {"NorthAmerica1", "North America"},
                    {"Oceana1", "Oceania"},
                    {"SouthAmerica1", "South America"}};
    for (const CurrencyItem& currency : kCurrencyItems) {
        QMenu* parent = CurrencySettings1;
        if (*currency.region) {
            QMenu*& region = regions[currency.region];
            if (!region) {
                for (const auto& r : kRegions) {
                    if (std::string(r.caption) != currency.region) continue;
                    region = CurrencySettings1->addMenu(r.caption);
                    region->setObjectName(r.name);
                }
            }
            parent = region;
        }
        QAction* item = parent->addAction(currency.caption);
        item->setObjectName(currency.objectName);
        item->setCheckable(true);
        item->setData(currency.tag);
        item->setActionGroup(std::string(currency.objectName) == "USDollarsUSD1" ? topDollars
                                                                                 : everyCurrency);
        connect(item, &QAction::triggered, this, Guarded([this, item] { ChooseCurrency(item); }));
        currencyItems.push_back(item);
        if (std::string(currency.objectName) == "US1") US1 = item;
        if (std::string(currency.objectName) == "USDollarsUSD1") USDollarsUSD1 = item;
    }
    US1->setChecked(true);
    USDollarsUSD1->setChecked(true);
}

// A rate that is not a positive number would give infinite, negative or wrong
// prices: its currency cannot be chosen, its item says why, and the menu
// itself opens with a line that names every such currency.
void TfrmMain::MarkUnavailableCurrencies() {
    std::string codes;
    for (QAction* item : currencyItems) {
        const CurrencyItem* currency = CurrencyByTag(item->data().toInt());
        if (!*currency->rateCode || exchangeRates.Available(currency->rateCode)) continue;
        item->setEnabled(false);
        const QString why = QString(
                                "Not available: the exchange rate of %1 in xcngrate.dat is not "
                                "a usable positive number (from %2).")
                                .arg(currency->rateCode)
                                .arg(kUsableRates);
        item->setStatusTip(why);
        item->setToolTip(why);
        codes += (codes.empty() ? "" : ", ") + std::string(currency->rateCode);
    }
    CurrencySettings1->setToolTipsVisible(true);
    for (QMenu* menu : CurrencySettings1->findChildren<QMenu*>()) menu->setToolTipsVisible(true);
    if (codes.empty()) return;
    QAction* first = CurrencySettings1->actions().value(0);
    CurrencyNotice1 = new QAction(ToQt("Not available (no usable rate in xcngrate.dat): " + codes),
                                  CurrencySettings1);
    CurrencyNotice1->setObjectName("CurrencyNotice1");
    CurrencyNotice1->setEnabled(false);
    CurrencySettings1->insertAction(first, CurrencyNotice1);
    CurrencySettings1->insertSeparator(first);
}

void TfrmMain::AppendExchangeRateDate() {
    for (QLabel* label : {lblforeign1, lblforeign2})
        label->setText(label->text() + ToQt(exchangeRateDate) + ".");
}

int TfrmMain::SelectedCurrencyTag() const {
    for (const QAction* item : currencyItems)
        if (item->isChecked()) return item->data().toInt();
    return 1;
}

const ExchangeRates* TfrmMain::ConvertingRates() const {
    return hasExchangeRates ? &exchangeRates : nullptr;
}

CurrencyInForce TfrmMain::Currency() const {
    return CurrencyInForce{hasExchangeRates, SelectedCurrencyTag()};
}

void TfrmMain::CheckCurrencyItem(QAction* item) {
    for (QAction* other : currencyItems) other->setChecked(false);
    item->setChecked(true);
    if (item == US1) USDollarsUSD1->setChecked(true);
    if (item == USDollarsUSD1) US1->setChecked(true);
    lblforeign1->setVisible(!US1->isChecked());
    lblforeign2->setVisible(!US1->isChecked());
}

void TfrmMain::ChooseCurrency(QAction* item) {
    CheckCurrencyItem(item);
    if (PageControl1->ActivePage() == tsFinal) {
        ShowFinalPrice();
        partsListLines = {FinalItemLine(FromQt(grdFinal->Cell(1, 0)), FromQt(grdFinal->Cell(1, 1)),
                                        FromQt(grdFinal->Cell(1, 2)))};
    } else if (PageControl1->ActivePage() == tsNoPN) {
        ShowPartsList();
    } else {
        // The order's lines keep the prices they were added with.
        RefillOrderGrid();
    }
}
