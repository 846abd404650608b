#pragma once

#include <QObject>
#include <memory>

class QWidget;
class TNewsDlg;
class TQuickUpdateDlg;
struct Services;

// The online services of the window: the pricing update and the maker's
// news, started by the user or by their schedules.
class TOnlineChecks : public QObject {
    Q_OBJECT
  public:
    TOnlineChecks(Services& services, QWidget* parent);
    ~TOnlineChecks();

    // Each time the window becomes active: the update's check, then the news's.
    void FormActivate();
    bool Checking() const { return checking_; }
    void QuickUpdate1Click();
    void ViewLatestNewsFromOrlenk1Click();
    TQuickUpdateDlg& QuickUpdate() { return *QuickUpdateDlg1; }
    TNewsDlg& News() { return *NewsDlg1; }

  signals:
    void updated();  // the user accepted an update; its day is recorded

  private:
    void Updated();  // records the day of the update and tells the window

    Services& services_;
    bool checking_ = false;
    std::unique_ptr<TQuickUpdateDlg> QuickUpdateDlg1;
    std::unique_ptr<TNewsDlg> NewsDlg1;
};
