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

#include "platform/AtomicSave.h"
#include "platform/TextConversion.h"

namespace quill {

namespace {

// The busy cursor for as long as the object lives.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

std::unique_ptr<QProgressDialog> ProgressWindow(QWidget* parent, const QString& label) {
    auto dialog = std::make_unique<QProgressDialog>(label, QObject::tr("&Cancel"), 0, 0, parent);
    dialog->setObjectName("DownloadProgress");
    dialog->setWindowTitle("Orlenk QuickUpdate");
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setMinimumDuration(0);
    dialog->setMinimumWidth(360);
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

bool QtDownloader::Download(const std::string& address, const std::filesystem::path& file,
                            const std::string& name) {
    if (!network_) network_ = new QNetworkAccessManager;
    BusyCursor busy;
    const QString title = "Downloading " + ToQt(name) + "...";
    auto dialog = ProgressWindow(parent_.data(), title);

    QNetworkRequest request(QUrl(ToQt(address)));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    // No byte for this long ends the download, whether connecting or receiving.
    request.setTransferTimeout(timing_.stallMilliseconds);
    QNetworkReply* reply = network_->get(request);
    AtomicSave save(file);
    bool written = true;
    qint64 received = 0;

    QEventLoop loop;
    const auto wrongStatus = [reply] {
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        return status.isValid() && status.toInt() != 200;
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
        // An error page is not the file. The reply is still telling of its
        // headers here; it is stopped once it has done so.
        if (wrongStatus()) {
            written = false;
            QMetaObject::invokeMethod(reply, &QNetworkReply::abort, Qt::QueuedConnection);
        }
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [&] {
        const QByteArray bytes = reply->readAll();
        received += bytes.size();
        if (!written) return;
        if (!save.Put(std::string_view(bytes.constData(), bytes.size()))) {
            written = false;
            reply->abort();
        }
    });
    QObject::connect(
        reply, &QNetworkReply::downloadProgress, dialog.get(), [&](qint64 arrived, qint64 total) {
            dialog->setMaximum(total > 0 ? static_cast<int>(std::min<qint64>(total, 1 << 30)) : 0);
            if (total > 0)
                dialog->setValue(static_cast<int>(std::min<qint64>(arrived, dialog->maximum())));
            dialog->setLabelText(title + "\n" + ProgressText(arrived, total));
        });
    QObject::connect(dialog.get(), &QProgressDialog::canceled, reply, &QNetworkReply::abort);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) loop.exec();

    if (reply->bytesAvailable() > 0) {
        const QByteArray rest = reply->readAll();
        received += rest.size();
        written = written && save.Put(std::string_view(rest.constData(), rest.size()));
    }
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    const bool whole = reply->error() == QNetworkReply::NoError && !wrongStatus() &&
                       reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid() &&
                       (!announced.isValid() || announced.toLongLong() == received);
    reply->deleteLater();
    dialog->hide();
    // Only a whole body takes the file's place; otherwise the save is dropped.
    return written && whole && save.Commit().empty();
}

void QtDownloader::Pause(int seconds, const std::string& reason) {
    if (seconds <= 0) return;
    const int total = seconds * timing_.millisecondsPerSecond;
    auto dialog = ProgressWindow(parent_.data(), ToQt(reason) + "...");
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
