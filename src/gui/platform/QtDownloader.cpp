#include "platform/QtDownloader.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QProgressDialog>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <optional>

#include "platform/AtomicSave.h"
#include "platform/TextConversion.h"

namespace quill {

namespace {

// The busy cursor for as long as the object lives.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

std::unique_ptr<QProgressDialog> ProgressWindow(QWidget* parent, const QString& title,
                                                const QString& label) {
    auto dialog = std::make_unique<QProgressDialog>(label, QObject::tr("&Cancel"), 0, 0, parent);
    dialog->setObjectName("DownloadProgress");
    dialog->setWindowTitle(title);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setMinimumDuration(0);
    // Its whole title shows beside a title bar's icon and buttons.
    dialog->setMinimumWidth(std::max(360, dialog->fontMetrics().horizontalAdvance(title) + 160));
    dialog->show();
    return dialog;
}

}  // namespace

QtDownloader::QtDownloader() : QtDownloader(Timing{}) {}

QtDownloader::QtDownloader(Timing timing) : timing_(timing) {}

QtDownloader::~QtDownloader() { delete network_; }

bool QtDownloader::PlatformReportsConnection() {
    if (!QNetworkInformation::instance() &&
        !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return true;
    const QNetworkInformation* information = QNetworkInformation::instance();
    return !information ||
           information->reachability() != QNetworkInformation::Reachability::Disconnected;
}

bool QtDownloader::IsConnected() { return connected_ ? connected_() : PlatformReportsConnection(); }

QString QtDownloader::ProgressText(qint64 received, qint64 total) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    if (total <= 0) return english.toString(received) + " bytes received";
    return english.toString(received) + " of " + english.toString(total) + " bytes";
}

DownloadOutcome QtDownloader::Download(const DownloadRequest& request) {
    using Kind = DownloadOutcome::Kind;
    if (!network_) network_ = new QNetworkAccessManager;
    BusyCursor busy;
    const QString title = "Downloading " + ToQt(request.name) + "...";
    auto dialog = ProgressWindow(parent_.data(), ToQt(request.title), title);

    QNetworkRequest get(QUrl(ToQt(request.address)));
    get.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                     QNetworkRequest::NoLessSafeRedirectPolicy);
    // No byte for this long ends the download, whether connecting or receiving.
    get.setTransferTimeout(timing_.stallMilliseconds);
    QNetworkReply* reply = network_->get(get);
    AtomicSave save(request.file);
    // Why the download was stopped here, when it was.
    std::optional<Kind> stopped;
    qint64 received = 0;
    const auto stop = [&](Kind why) {
        if (!stopped) stopped = why;
        QMetaObject::invokeMethod(reply, &QNetworkReply::abort, Qt::QueuedConnection);
    };
    const auto tooLarge = [&](qint64 bytes) {
        return bytes > 0 && static_cast<std::uintmax_t>(bytes) > request.mostBytes;
    };

    QEventLoop loop;
    const auto status = [reply] {
        return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
        // An error page is not the file, and a file announced larger than
        // allowed is not taken. The reply is still telling of its headers
        // here; it is stopped once it has done so.
        if (status().isValid() && status().toInt() != 200) stop(Kind::kHttpStatus);
        const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
        if (announced.isValid() && tooLarge(announced.toLongLong())) stop(Kind::kTooLarge);
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [&] {
        const QByteArray bytes = reply->readAll();
        received += bytes.size();
        if (stopped) return;
        if (tooLarge(received))
            stop(Kind::kTooLarge);
        else if (!save.Put(std::string_view(bytes.constData(), bytes.size())))
            stop(Kind::kWriteFailed);
    });
    QObject::connect(
        reply, &QNetworkReply::downloadProgress, dialog.get(), [&](qint64 arrived, qint64 total) {
            dialog->setMaximum(total > 0 ? static_cast<int>(std::min<qint64>(total, 1 << 30)) : 0);
            if (total > 0)
                dialog->setValue(static_cast<int>(std::min<qint64>(arrived, dialog->maximum())));
            dialog->setLabelText(title + "\n" + ProgressText(arrived, total));
        });
    QObject::connect(dialog.get(), &QProgressDialog::canceled, reply,
                     [&] { stop(Kind::kCancelled); });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) loop.exec();

    if (!stopped && reply->bytesAvailable() > 0) {
        const QByteArray rest = reply->readAll();
        received += rest.size();
        if (tooLarge(received))
            stopped = Kind::kTooLarge;
        else if (!save.Put(std::string_view(rest.constData(), rest.size())))
            stopped = Kind::kWriteFailed;
    }
    DownloadOutcome outcome;
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    if (stopped) {
        outcome.kind = *stopped;
    } else if (reply->error() == QNetworkReply::OperationCanceledError ||
               reply->error() == QNetworkReply::TimeoutError) {
        outcome.kind = Kind::kStalled;  // no one here stopped it: the transfer timed out
    } else if (reply->error() != QNetworkReply::NoError || !status().isValid() ||
               (announced.isValid() && announced.toLongLong() != received)) {
        outcome.kind = Kind::kConnection;
    }
    outcome.httpStatus = status().isValid() ? status().toInt() : 0;
    outcome.stallSeconds = timing_.stallMilliseconds / 1000;
    reply->deleteLater();
    dialog->hide();
    // Only a whole body takes the file's place; otherwise the save is dropped.
    if (outcome && !save.Commit().empty()) outcome.kind = Kind::kWriteFailed;
    return outcome;
}

void QtDownloader::Pause(int seconds, const std::string& reason) {
    if (seconds <= 0) return;
    const int total = seconds * timing_.millisecondsPerSecond;
    auto dialog = ProgressWindow(parent_.data(), "Orlenk QuickUpdate", ToQt(reason) + "...");
    dialog->setCancelButtonText(QObject::tr("&Skip"));
    dialog->setMaximum(std::max(total, 1));
    QEventLoop loop;
    QTimer tick;
    QElapsedTimer elapsed;
    elapsed.start();
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        const qint64 spent = elapsed.elapsed();
        dialog->setValue(static_cast<int>(std::min<qint64>(spent, dialog->maximum())));
        if (spent >= total) loop.quit();
    });
    QObject::connect(dialog.get(), &QProgressDialog::canceled, &loop, &QEventLoop::quit);
    tick.start(std::clamp(total / 50, 1, 100));
    loop.exec();
    dialog->hide();
}

}  // namespace quill
