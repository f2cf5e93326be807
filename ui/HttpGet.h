#pragma once

#include <QByteArray>
#include <QUrl>

#include <chrono>

// The limits of one download. The defaults are the program's; tests shrink them.
struct HttpLimits {
    // Redirects followed in a row; one more fails the download.
    int redirects = 5;
    // The longest wait without any progress, whether connecting, sending or receiving. A slow
    // but steady download is not cut off.
    std::chrono::milliseconds timeout{60000};
    // The largest body accepted. A structure drawing is a few kilobytes; anything this large is
    // not one, and holding it would only exhaust memory.
    qint64 maxBody = qint64(64) * 1024 * 1024;
};

// GET of `url`, synchronous for the caller: a local event loop runs until the request ends,
// without user input, so the window does not react meanwhile, and the cursor shows busy when
// there is a GUI. Follows redirects (never from https to http). Returns the body of the final
// response whatever its status code: an error page is the caller's to judge.
// Throws Failure, naming the URL, when there is no final response (no connection, a host that
// does not resolve, a broken connection, too many redirects, a time-out, a failed certificate
// check) or when the body is too large.
QByteArray HttpGet(const QUrl& url);
QByteArray HttpGet(const QUrl& url, const HttpLimits& limits);
