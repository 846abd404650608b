#include "app/MainMenu.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>
#include <map>

#include "online/OnlineChecks.h"
#include "orders/TOrderPage.h"
#include "output/Exports.h"
#include "platform/TextConversion.h"
#include "pricing/Currency.h"
#include "session/QuoteSession.h"

using namespace quill;

TMainMenu::TMainMenu(QMainWindow& window, OperationGuard& guard, TOrderPage& order,
                     TExports& exports, TOnlineChecks& online)
    : QObject(&window), guard_(guard) {
    QMenuBar* bar = window.menuBar();
    bar->setObjectName("MainMenu1");
    File1 = bar->addMenu("&File");
    File1->setObjectName("File1");

    const auto item = [](QMenu* menu, const char* name, const QString& caption,
                         const QKeySequence& shortcut = {}) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        return action;
    };
    NewOrder1 = item(File1, "NewOrder1", "&New Order", QKeySequence("Ctrl+N"));
    Open1 = item(File1, "Open1", "&Open", QKeySequence("Ctrl+O"));
    ImportAssemblies1 = item(File1, "ImportAssemblies1", "&Import Assemblies...");
    Save1 = item(File1, "Save1", "&Save", QKeySequence("Ctrl+S"));
    Print1 = item(File1, "Print1", "&Print", QKeySequence("Ctrl+P"));
    PrintPreview1 = item(File1, "PrintPreview1", "Print Pre&view...");
    Export1 = File1->addMenu("&Export");
    Export1->setObjectName("Export1");
    ToATextFile1 = item(Export1, "ToATextFile1", "To a &text file");
    ToanHTMLDocument1 = item(Export1, "ToanHTMLDocument1", "To an &HTML Document");
    ToanMSExcelSpreadsheet1 =
        item(Export1, "ToanMSExcelSpreadsheet1", "To an MS Excel &Spreadsheet");
    ToAnExcelWorkbook1 = item(Export1, "ToAnExcelWorkbook1", "To an Excel &Workbook (.xlsx)");
    ToAPDFDocument1 = item(Export1, "ToAPDFDocument1", "To a P&DF Document");
    CopyToClipboard1 =
        item(File1, "CopyToClipboard1", "&Copy To Clipboard", QKeySequence("Ctrl+C"));
    OrderDetails1 = item(File1, "OrderDetails1", "Order &Details...");
    ViewLastOrder1 = item(File1, "ViewLastOrder1", "&View Last Order", QKeySequence("Ctrl+V"));
    File1->addSeparator();
    ViewLatestNewsFromOrlenk1 = item(File1, "ViewLatestNewsFromOrlenk1",
                                     "View Latest News From &Orlenk", QKeySequence("Ctrl+A"));
    QuickUpdate1 = item(File1, "QuickUpdate1", "&Quick Update", QKeySequence("Ctrl+U"));
    File1->addSeparator();
    StartOver1 = item(File1, "StartOver1", "S&tart Over", QKeySequence("Ctrl+R"));
    Exit1 = item(File1, "Exit1", "E&xit", QKeySequence("Ctrl+X"));
    const std::pair<QAction*, std::function<void()>> commands[] = {
        {NewOrder1, [&order] { order.NewOrder1Click(); }},
        {Open1, [&order] { order.Open1Click(); }},
        {Save1, [&order] { order.btnSaveClick(); }},
        {ViewLastOrder1, [&order] { order.ViewLastOrder1Click(); }},
        {OrderDetails1, [&order] { order.OrderDetails1Click(); }},
        {Print1, [&exports] { exports.Print1Click(); }},
        {PrintPreview1, [&exports] { exports.PrintPreview1Click(); }},
        {ToATextFile1, [&exports] { exports.ToATextFile1Click(); }},
        {ToanHTMLDocument1, [&exports] { exports.ToanHTMLDocument1Click(); }},
        {ToanMSExcelSpreadsheet1, [&exports] { exports.ToanMSExcelSpreadsheet1Click(); }},
        {ToAnExcelWorkbook1, [&exports] { exports.ToAnExcelWorkbook1Click(); }},
        {ToAPDFDocument1, [&exports] { exports.ToAPDFDocument1Click(); }},
        {CopyToClipboard1, [&exports] { exports.CopyToClipboard1Click(); }},
        {QuickUpdate1, [&online] { online.QuickUpdate1Click(); }},
        {ViewLatestNewsFromOrlenk1, [&online] { online.ViewLatestNewsFromOrlenk1Click(); }},
        {ImportAssemblies1, [this] { emit importRequested(); }},
        {StartOver1, [this] { emit startOverRequested(); }},
        {Exit1, [this] { emit exitRequested(); }}};
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this, guard(handler));

    CurrencySettings1 = bar->addMenu("Currenc&y Settings");
    CurrencySettings1->setObjectName("CurrencySettings1");
    CurrencySettings1->menuAction()->setVisible(false);  // shown only when exchange rates exist
    BuildCurrencyMenu();

    Help1 = bar->addAction("Ab&out");
    Help1->setObjectName("Help1");
    connect(Help1, &QAction::triggered, this, guard([this] { emit aboutRequested(); }));
}

// The "Currency Settings" menu: a top-level "US Dollars (USD)" and one
// submenu per region. Every item is a radio item; the two US-dollar items are
// checked and unchecked together.
void TMainMenu::BuildCurrencyMenu() {
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
        connect(item, &QAction::triggered, this, guard_([this, item] { ChooseCurrency(item); }));
        currencyItems_.push_back(item);
        if (std::string(currency.objectName) == "US1") US1 = item;
        if (std::string(currency.objectName) == "USDollarsUSD1") USDollarsUSD1 = item;
    }
    US1->setChecked(true);
    USDollarsUSD1->setChecked(true);
}

// A rate that is not a positive number would give infinite, negative or wrong
// prices: its currency cannot be chosen, its item says why, and the menu
// itself opens with a line that names every such currency.
void TMainMenu::ShowCurrencies(const QuoteSession& session) {
    CurrencySettings1->menuAction()->setVisible(true);
    std::string codes;
    for (QAction* item : currencyItems_) {
        const CurrencyItem* currency = CurrencyByTag(item->data().toInt());
        if (session.Choosable(*currency)) continue;
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

// The first item of the tag is checked; the two US-dollar items go together.
void TMainMenu::CheckCurrency(int tag) {
    QAction* item = nullptr;
    for (QAction* other : currencyItems_) {
        other->setChecked(false);
        if (!item && other->data().toInt() == tag && other->isEnabled()) item = other;
    }
    if (!item) return;
    item->setChecked(true);
    if (item == US1) USDollarsUSD1->setChecked(true);
    if (item == USDollarsUSD1) US1->setChecked(true);
}

void TMainMenu::ChooseCurrency(QAction* item) {
    CheckCurrency(item->data().toInt());
    emit currencyChosen(item->data().toInt());
}

void TMainMenu::SetFrameMenus(bool enabled, bool startOver, bool spreadsheet) {
    CurrencySettings1->setEnabled(enabled);
    Export1->setEnabled(enabled);
    Print1->setEnabled(enabled);
    PrintPreview1->setEnabled(enabled);
    CopyToClipboard1->setEnabled(enabled);
    StartOver1->setEnabled(startOver);
    Save1->setEnabled(false);
    OrderDetails1->setEnabled(false);
    ToanMSExcelSpreadsheet1->setEnabled(spreadsheet);
}

void TMainMenu::ShowOrderPage() {
    Save1->setEnabled(true);
    OrderDetails1->setEnabled(true);
    CurrencySettings1->setEnabled(false);
}
