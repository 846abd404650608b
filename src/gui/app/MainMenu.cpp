#include <QMenuBar>

#include "app/TfrmMain.h"

// The main menu. Commands whose pages come later are present with their
// captions, shortcuts and enabled states; their actions are wired where those
// pages are built.
void TfrmMain::BuildMainMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    File1 = bar->addMenu("File");
    File1->setObjectName("File1");

    const auto item = [this](QMenu* menu, const char* name, const QString& caption,
                             const QKeySequence& shortcut = {}) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        return action;
    };
    Open1 = item(File1, "Open1", "&Open", QKeySequence("Ctrl+O"));
    Save1 = item(File1, "Save1", "&Save", QKeySequence("Ctrl+S"));
    Print1 = item(File1, "Print1", "&Print", QKeySequence("Ctrl+P"));
    PrintPreview1 = item(File1, "PrintPreview1", "Print Pre&view...");
    Export1 = File1->addMenu("&Export");
    Export1->setObjectName("Export1");
    ToATextFile1 = item(Export1, "ToATextFile1", "To a text file");
    ToanHTMLDocument1 = item(Export1, "ToanHTMLDocument1", "To an HTML Document");
    ToanMSExcelSpreadsheet1 =
        item(Export1, "ToanMSExcelSpreadsheet1", "To an MS Excel Spreadsheet");
    ToAnExcelWorkbook1 = item(Export1, "ToAnExcelWorkbook1", "To an Excel &Workbook (.xlsx)");
    ToAPDFDocument1 = item(Export1, "ToAPDFDocument1", "To a PDF Document");
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
    connect(Open1, &QAction::triggered, this, Guarded([this] { Open1Click(); }));
    const std::pair<QAction*, void (TfrmMain::*)()> output[] = {
        {Print1, &TfrmMain::Print1Click},
        {PrintPreview1, &TfrmMain::PrintPreview1Click},
        {ToATextFile1, &TfrmMain::ToATextFile1Click},
        {ToanHTMLDocument1, &TfrmMain::ToanHTMLDocument1Click},
        {ToanMSExcelSpreadsheet1, &TfrmMain::ToanMSExcelSpreadsheet1Click},
        {ToAnExcelWorkbook1, &TfrmMain::ToAnExcelWorkbook1Click},
        {ToAPDFDocument1, &TfrmMain::ToAPDFDocument1Click},
        {CopyToClipboard1, &TfrmMain::CopyToClipboard1Click}};
    for (const auto& [action, handler] : output)
        connect(action, &QAction::triggered, this,
                Guarded([this, handler] { (this->*handler)(); }));
    connect(Save1, &QAction::triggered, this, Guarded([this] { btnSaveClick(); }));
    connect(ViewLastOrder1, &QAction::triggered, this, Guarded([this] { ViewLastOrder1Click(); }));
    connect(OrderDetails1, &QAction::triggered, this, Guarded([this] { OrderDetails1Click(); }));
    connect(StartOver1, &QAction::triggered, this, Guarded([this] { btnRestartClick(); }));
    connect(Exit1, &QAction::triggered, this, Guarded([this] { btnCloseClick(); }));

    CurrencySettings1 = bar->addMenu("Currency Settings");
    CurrencySettings1->setObjectName("CurrencySettings1");
    CurrencySettings1->menuAction()->setVisible(false);  // shown only when exchange rates exist
    BuildCurrencyMenu();

    Help1 = bar->addAction("About");
    Help1->setObjectName("Help1");
    connect(Help1, &QAction::triggered, this, Guarded([this] { Help1Click(); }));
}
