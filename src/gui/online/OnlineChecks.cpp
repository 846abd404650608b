#include "online/OnlineChecks.h"

#include <QStandardPaths>

#include "online/TNewsDlg.h"
#include "online/TQuickUpdateDlg.h"
#include "platform/Services.h"
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

TOnlineChecks::TOnlineChecks(Services& services, QWidget* parent) : services_(services) {
    const OnlineServices online{services.registry, services.shell, services.messages,
                                services.clock, services.downloader};
    QuickUpdateDlg1 = std::make_unique<TQuickUpdateDlg>(online, DefaultCommonFiles(), parent);
    QuickUpdateDlg1->DefaultProgram = "Quillroute";
    QuickUpdateDlg1->UpdateInterval = 30;
    QuickUpdateDlg1->DefaultToPricing = true;
    NewsDlg1 = std::make_unique<TNewsDlg>(online, DefaultCommonFiles(), parent);
}

TOnlineChecks::~TOnlineChecks() = default;

void TOnlineChecks::FormActivate() {
    // The prompts and dialogs below take the focus and give it back: that
    // return is not a new activation.
    checking_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{checking_};
    // An update accepted from the reminder counts as one from the menu.
    if (QuickUpdateDlg1->CheckSchedule()) Updated();
    NewsDlg1->CheckSchedule();
}

void TOnlineChecks::QuickUpdate1Click() {
    if (QuickUpdateDlg1->Execute()) Updated();
}

void TOnlineChecks::Updated() {
    RecordPricingUpdate(services_.writtenFolder, services_.clock.Today());
    emit updated();
}

void TOnlineChecks::ViewLatestNewsFromOrlenk1Click() { NewsDlg1->Execute(); }
