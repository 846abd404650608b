#pragma once

#include <QDialog>

#include "text/Fields.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quill {
class ComboBox;
class NewsHeadlines;
}  // namespace quill

// The news dialog: the spotlight story and the latest press releases; a
// click on one opens it in the web browser.
class TfrmNews : public QDialog {
    Q_OBJECT
  public:
    TfrmNews(quill::NewsHeadlines& news, QWidget* parent = nullptr);
    ~TfrmNews() override;

    void btnCloseClick();
    void chkDisplayAgainClick();
    void memSpotlightClick();
    // The headline on the line at that point of the memo's viewport.
    void memNewsClick(const QPoint& position);
    // The line of memNews at the point: -1 below the last line.
    int NewsLineAt(const QPoint& position) const;

    // "title=address": entry 0 the spotlight, then the headlines.
    quill::StringList headlines;

    QLabel* Label3 = nullptr;
    QPlainTextEdit* memSpotlight = nullptr;
    QLabel* Label1 = nullptr;
    QPlainTextEdit* memNews = nullptr;
    QCheckBox* chkDisplayAgain = nullptr;
    quill::ComboBox* cboNumDays = nullptr;
    QLabel* lblDays = nullptr;
    QPushButton* btnClose = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    quill::NewsHeadlines& news_;
};
