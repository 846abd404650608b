#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <string>

#include "session/Datasheet.h"
#include "session/ShownDocument.h"

class QWidget;
struct Services;

// What leaves the program: the page shown, copied or exported in four forms,
// and the order printed, previewed or written as PDF. Everything is made from
// the session's result and the order book, never from the controls.
class TExports : public QObject {
    Q_OBJECT
  public:
    TExports(Services& services, const quill::QuoteSession& session, const quill::OrderBook& book,
             QWidget* parent);

    // Whether a result page is on the screen: its page is what is copied and
    // exported; otherwise the order is.
    void SetResultShown(bool shown) { resultShown_ = shown; }

    quill::ExportContent ContentShown() const;
    bool IsSpreadsheetAvailable() const;
    void CopyToClipboard1Click();
    void ToATextFile1Click();
    void ToanMSExcelSpreadsheet1Click();
    void ToAnExcelWorkbook1Click();
    void ToanHTMLDocument1Click();
    void ToAPDFDocument1Click();
    void Print1Click();
    void PrintPreview1Click();
    // The datasheet of the result page shown: written as PDF, printed or
    // previewed, with its price unless the user leaves prices out.
    void SetDatasheetPrices(bool shown) { datasheetPrices_ = shown; }
    quill::Datasheet DatasheetShown() const;
    void DatasheetPdfClick();
    void DatasheetPrintClick();
    void DatasheetPreviewClick();

  signals:
    void statusMessage(const QString& text);  // what a command did, for the status bar

  private:
    // The pricing date as the result pages show it, read now.
    std::string PricingDateText() const;
    // Asks for a file in the export's folder beside the program, writes what
    // render makes through the atomic save and has the desktop open it.
    void ExportToFile(const char* folderName, const char* filter, const char* extension,
                      const std::function<std::string()>& render);

    Services& services_;
    const quill::QuoteSession& session_;
    const quill::OrderBook& book_;
    bool resultShown_ = false;
    bool datasheetPrices_ = true;
    QWidget* parent_;
};
