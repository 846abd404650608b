#include "online/TNewsDlg.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTimer>

#include "controls/ComboBox.h"
#include "online/OnlineAddresses.h"
#include "online/TfrmNews.h"
#include "platform/TextConversion.h"

using namespace quill;

TNewsDlg::TNewsDlg(OnlineServices services, std::filesystem::path defaultCommonFiles,
                   QWidget* owner)
    : services_(services), defaultCommonFiles_(std::move(defaultCommonFiles)), owner_(owner) {}

NewsHeadlines TNewsDlg::Component() {
    return NewsHeadlines(services_, ReadOnlineAddresses(services_.registry).webSite,
                         defaultCommonFiles_, RegistryKey, UpdateInterval);
}

void TNewsDlg::CheckSchedule() {
    NewsHeadlines news = Component();
    if (news.PromptDue() && AskToShow() == Messages::Answer::Yes) Execute(false);
}

Messages::Answer TNewsDlg::AskToShow() { return Component().AskToShow(); }

void TNewsDlg::FillMemos(QPlainTextEdit* news, QPlainTextEdit* spotlight,
                         const StringList& headlines) {
    spotlight->setPlainText(headlines.empty() ? QString() : ToQt(TitleOf(headlines[0])));
    QStringList titles;
    for (std::size_t entry = 1; entry < headlines.size(); ++entry)
        titles << ToQt(TitleOf(headlines[entry]));
    news->setPlainText(titles.join('\n'));
}

void TNewsDlg::SaveSchedule(TfrmNews& dialog) {
    Component().Schedule().Save(FromQt(dialog.cboNumDays->Text()),
                                dialog.chkDisplayAgain->isChecked());
}

bool TNewsDlg::Execute(bool reportFailure) {
    NewsHeadlines news = Component();
    TfrmNews dialog(news, owner_.data());
    dialog.cboNumDays->SetText(ToQt(news.Schedule().IntervalText()));
    const std::filesystem::path folder = news.NewsFolder();
    if (const NewsFetch fetch = news.DownloadPages(folder); !fetch) {
        // The user's own Cancel needs no message.
        const bool cancelled = fetch.outcome.kind == DownloadOutcome::Kind::kCancelled;
        if (reportFailure && !cancelled) services_.messages.Error(NewsFailedMessage(fetch));
        return false;
    }
    dialog.headlines = news.ParseNews(folder);
    FillMemos(dialog.memNews, dialog.memSpotlight, dialog.headlines);
    if (onShown) QTimer::singleShot(0, &dialog, [this, &dialog] { onShown(dialog); });
    dialog.exec();
    SaveSchedule(dialog);
    return true;
}
