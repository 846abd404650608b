#pragma once

#include "pages/TResultPage.h"

class QLineEdit;

namespace quill {
class Grid;
class RadioGroup;
struct QuoteResult;
}  // namespace quill

// The component parts list ("tsNoPN"): the explanation, the parts with their
// prices and total, and the assembly's performance figures.
class TPartsListPage : public TResultPage {
    Q_OBJECT
  public:
    TPartsListPage();
    void tsNoPNShow();  // arriving: the figures of an earlier result go
    void Show(const quill::QuoteResult& result);

  private:
    QLabel* lblPartsList = nullptr;
    quill::Grid* grdJumper = nullptr;
    QLabel* lblTotal = nullptr;
    QLineEdit* edTotal = nullptr;
    quill::Grid* grdJumperspecs = nullptr;
    QLabel* Label11 = nullptr;
};

// The standard lengths close to the chosen one ("tsNoLength").
class TStandardLengthsPage : public QWidget {
    Q_OBJECT
  public:
    TStandardLengthsPage();
    void tsNoLengthShow();
    void Show(const quill::QuoteResult& result);
    int ChosenItem() const;  // 0 keeps the selection, 1 and 2 take a row

  private:
    QLabel* Label4 = nullptr;
    quill::Grid* grdLengths = nullptr;
    quill::RadioGroup* rgStdLengths = nullptr;
};

// The final selection data page ("tsFinal"): one part with its price and figures.
class TFinalPage : public TResultPage {
    Q_OBJECT
  public:
    TFinalPage();
    void tsFinalShow();
    void Show(const quill::QuoteResult& result);

  private:
    quill::Grid* grdFinal = nullptr;
    QLabel* lblReminder = nullptr;
};

// A text whose lines break at CR, as a wrapping label shows it: paragraphs
// (two breaks) stay, single breaks become blanks.
QString ParagraphText(const std::string& text);
