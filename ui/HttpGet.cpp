#include "HttpGet.h"

#include "records/Failure.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

// The busy cursor for as long as the download runs, restored on every way out.
class BusyCursor {
public:
    BusyCursor() : shown_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        if (shown_) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~BusyCursor() {
        if (shown_) QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool shown_;
};

// Whether the reply's error only reports the status code of a response that did arrive, as
// Qt does for 4xx and 5xx. Such a response's body is the result; every other error means
// there is no complete final response.
bool OnlyStatusError(const QNetworkReply& reply) {
    if (!reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid()) return false;
    const QNetworkReply::NetworkError error = reply.error();
    return (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError) ||
           (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError) ||
           error == QNetworkReply::ProtocolInvalidOperationError ||
           error == QNetworkReply::ProxyAuthenticationRequiredError;
}

bool IsRedirectStatus(const QNetworkReply& reply) {
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return status >= 300 && status < 400;
}

QString MiB(qint64 bytes) { return QString::number(double(bytes) / (1024 * 1024), 'g', 6); }

}  // namespace

QByteArray HttpGet(const QUrl& url) { return HttpGet(url, HttpLimits{}); }

QByteArray HttpGet(const QUrl& url, const HttpLimits& limits) {
    enum class Refusal { None, TimedOut, TooLarge };
    Refusal refusal = Refusal::None;
    QByteArray body;
    QEventLoop loop;
    QTimer quiet;
    quiet.setSingleShot(true);
    quiet.setInterval(limits.timeout);

    // Declared after everything its reply's handlers touch, so it and the reply go first.
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(limits.redirects);

    const BusyCursor busy;
    QNetworkReply* reply = manager.get(request);

    const auto refuse = [&](Refusal why) {
        if (refusal != Refusal::None) return;
        refusal = why;
        reply->abort();
    };
    const auto tooLarge = [&](qint64 bytes) { return bytes > limits.maxBody; };
    const auto checkDeclaredLength = [&] {
        // A redirect's own body is never delivered, so only the final response's length counts.
        if (IsRedirectStatus(*reply)) return;
        bool known = false;
        const qint64 declared = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        if (known && tooLarge(declared)) refuse(Refusal::TooLarge);
    };
    const auto take = [&] {
        const QByteArray chunk = reply->readAll();
        if (tooLarge(body.size() + chunk.size())) {
            refuse(Refusal::TooLarge);
            return;
        }
        body += chunk;
    };
    const auto progressed = [&] { quiet.start(); };

    QObject::connect(&quiet, &QTimer::timeout, &loop, [&] { refuse(Refusal::TimedOut); });
    QObject::connect(reply, &QNetworkReply::uploadProgress, &loop, progressed);
    QObject::connect(reply, &QNetworkReply::redirected, &loop, progressed);
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        progressed();
        checkDeclaredLength();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        progressed();
        checkDeclaredLength();
        if (refusal == Refusal::None) take();
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);

    quiet.start();
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    quiet.stop();
    if (refusal == Refusal::None) take();
    reply->disconnect();

    const QString where = url.toDisplayString();
    switch (refusal) {
    case Refusal::TimedOut:
        throw Failure(QStringLiteral("The download of %1 failed: no answer within %2 seconds")
                          .arg(where, QString::number(double(limits.timeout.count()) / 1000, 'g', 6)));
    case Refusal::TooLarge:
        throw Failure(QStringLiteral("The download of %1 was refused: the answer is larger than %2 MiB")
                          .arg(where, MiB(limits.maxBody)));
    case Refusal::None:
        break;
    }
    if (reply->error() != QNetworkReply::NoError && !OnlyStatusError(*reply)) {
        throw Failure(QStringLiteral("The download of %1 failed: %2").arg(where, reply->errorString()));
    }
    return body;
}
