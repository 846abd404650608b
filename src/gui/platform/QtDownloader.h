#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/Downloader.h"

class QNetworkAccessManager;

namespace quill {

// Downloads over HTTP and HTTPS with Qt's network access. While a download
// or a pause runs, a modal progress window keeps the program painted, shows
// what arrived and offers Cancel; the caller gets its answer when it ended.
class QtDownloader : public Downloader {
  public:
    struct Timing {
        int stallMilliseconds = 30000;     // a download receiving nothing this long fails
        int millisecondsPerSecond = 1000;  // of a pause; tests shorten it
    };

    QtDownloader();
    explicit QtDownloader(Timing timing);
    ~QtDownloader() override;

    void SetParent(QWidget* parent) { parent_ = parent; }
    // What IsConnected asks; the platform's network information by default.
    void SetConnectionQuery(std::function<bool()> query) { connected_ = std::move(query); }

    bool IsConnected() override;
    DownloadOutcome Download(const DownloadRequest& request) override;
    void Pause(int seconds, const std::string& reason) override;

    // "12,345 of 67,890 bytes", or without the total when none was announced.
    static QString ProgressText(qint64 received, qint64 total);

    // The platform's answer: false only when it reports no network at all; a
    // platform that cannot tell counts as connected.
    static bool PlatformReportsConnection();

  private:
    Timing timing_;
    QPointer<QWidget> parent_;
    std::function<bool()> connected_;
    QNetworkAccessManager* network_ = nullptr;
};

}  // namespace quill
