#pragma once

#include <QWidget>
#include <string>

class QLabel;
class QPushButton;

// What the parts list and the final page share: the notice of parts the
// price list lacks, the pricing date, the foreign-currency note, the update
// button, the band plot's button and the datasheet's.
class TResultPage : public QWidget {
    Q_OBJECT
  public:
    explicit TResultPage(const char* name);

    void ShowPriceNotice(const std::string& text);
    // Once red, a date stays red for the rest of the run.
    void ShowPricingDate(const std::string& text, bool stale);
    void AppendExchangeRateDate(const std::string& date);
    void ShowForeignNote(bool shown);

    QPushButton* UpdateButton() const { return update_; }
    QPushButton* BandPlotButton() const { return bandPlot_; }
    QPushButton* DatasheetButton() const { return datasheet_; }

  protected:
    // The controls, named for the page (1 the parts list, 2 the final page).
    void MakeShared(int number);
    QLabel* priceNotice_ = nullptr;
    QLabel* pricingDate_ = nullptr;
    QLabel* foreign_ = nullptr;
    QPushButton* update_ = nullptr;
    QPushButton* bandPlot_ = nullptr;
    QPushButton* datasheet_ = nullptr;
};

// A blue caption that wraps.
QLabel* BlueLabel(QWidget* parent, const char* name, const QString& text);
