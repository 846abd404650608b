#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "platform/Guard.h"

class QAction;
class QMainWindow;
class QMenu;
class TExports;
class TOnlineChecks;
class TOrderPage;

namespace quill {
class QuoteSession;
}

// The main menu: File (with Export), Currency Settings and About. Its
// commands run on the order page, the exports and the online services; it
// signals the frame's own: Start Over, Exit, About, Import Assemblies and a
// chosen currency.
class TMainMenu : public QObject {
    Q_OBJECT
  public:
    TMainMenu(QMainWindow& window, OperationGuard& guard, TOrderPage& order, TExports& exports,
              TOnlineChecks& online);

    // With exchange rates the currency menu shows, and a currency the session
    // cannot price in cannot be chosen.
    void ShowCurrencies(const quill::QuoteSession& session);
    // Checks the currency's items as the menu would, without running the choice.
    void CheckCurrency(int tag);
    // The result pages and the order page enable the output commands.
    void SetFrameMenus(bool enabled, bool startOver, bool spreadsheet);
    void ShowOrderPage();

  signals:
    void startOverRequested();
    void exitRequested();
    void aboutRequested();
    void importRequested();
    void currencyChosen(int tag);

  private:
    void BuildCurrencyMenu();
    void ChooseCurrency(QAction* item);

    OperationGuard& guard_;
    QMenu* File1 = nullptr;
    QAction* NewOrder1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* ImportAssemblies1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* PrintPreview1 = nullptr;
    QMenu* Export1 = nullptr;
    QAction* ToATextFile1 = nullptr;
    QAction* ToanHTMLDocument1 = nullptr;
    QAction* ToanMSExcelSpreadsheet1 = nullptr;
    QAction* ToAnExcelWorkbook1 = nullptr;  // ".xlsx"
    QAction* ToAPDFDocument1 = nullptr;
    QAction* CopyToClipboard1 = nullptr;
    QAction* ViewLastOrder1 = nullptr;
    QAction* OrderDetails1 = nullptr;  // "Order Details...", on the order page
    QAction* ViewLatestNewsFromOrlenk1 = nullptr;
    QAction* QuickUpdate1 = nullptr;
    QAction* StartOver1 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* CurrencySettings1 = nullptr;
    QAction* CurrencyNotice1 = nullptr;  // names the currencies without a usable rate
    QAction* USDollarsUSD1 = nullptr;
    QAction* US1 = nullptr;
    std::vector<QAction*> currencyItems_;  // in menu order
    QAction* Help1 = nullptr;
};
