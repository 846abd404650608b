#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QStandardPaths>

#include "app/TfrmMain.h"
#include "controls/PageControl.h"
#include "online/TNewsDlg.h"
#include "online/TQuickUpdateDlg.h"
#include "pricing/PricingDate.h"

using namespace quill;

namespace {

// Where the maker's shared files live when the settings do not say.
std::filesystem::path DefaultCommonFiles() {
#ifdef Q_OS_WIN
    return "C:/Program Files/Orlenk/Common Files";
#else
    return (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
            "/Orlenk/Common Files")
        .toStdString();
#endif
}

}  // namespace

void TfrmMain::ComposeOnline() {
    const OnlineServices online{services.registry, services.shell, services.messages,
                                services.clock, services.downloader};
    QuickUpdateDlg1 = std::make_unique<TQuickUpdateDlg>(online, DefaultCommonFiles(), this);
    QuickUpdateDlg1->DefaultProgram = "Quillroute";
    QuickUpdateDlg1->UpdateInterval = 30;
    QuickUpdateDlg1->DefaultToPricing = true;
    NewsDlg1 = std::make_unique<TNewsDlg>(online, DefaultCommonFiles(), this);

    const auto update = Guarded([this] { QuickUpdate1Click(); });
    connect(QuickUpdate1, &QAction::triggered, this, update);
    connect(btnUpdate1, &QPushButton::clicked, this, update);
    connect(btnUpdate2, &QPushButton::clicked, this, update);
    connect(ViewLatestNewsFromOrlenk1, &QAction::triggered, this,
            Guarded([this] { ViewLatestNewsFromOrlenk1Click(); }));
}

void TfrmMain::FormActivate() {
    // The prompts and dialogs below take the focus and give it back: that
    // return is not a new activation.
    checkingSchedules_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{checkingSchedules_};
    QuickUpdateDlg1->CheckSchedule();
    NewsDlg1->CheckSchedule();
}

void TfrmMain::QuickUpdate1Click() {
    if (!QuickUpdateDlg1->Execute()) return;
    RecordPricingUpdate(services.writtenFolder, services.clock.Today());
    // The notices of a result page on the screen show the new date at once.
    if (PageControl1->ActivePage() == tsNoPN) ShowPricingDate(lblUpdate1);
    if (PageControl1->ActivePage() == tsFinal) ShowPricingDate(lblUpdate2);
}

void TfrmMain::ViewLatestNewsFromOrlenk1Click() { NewsDlg1->Execute(); }
