#include "TestHttpServer.h"
#include "support/TestSupport.h"

#include "records/Failure.h"
#include "records/StructureImage.h"
#include "ui/HttpGet.h"

#include <QCursor>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <optional>

namespace {

using namespace std::chrono_literals;

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) ADD_FAILURE() << "cannot read " << path.toStdString();
    return file.readAll();
}

// The failure's message, or nothing when the call succeeded.
template <typename Call>
std::optional<QString> FailureOf(Call call) {
    try {
        call();
    } catch (const Failure& failure) {
        return failure.Message();
    }
    return std::nullopt;
}

class HttpGetTest : public ::testing::Test {
protected:
    const QByteArray png = FileBytes(TestData("pngsuite/basn6a08.png"));
    const QByteArray gif = FileBytes(TestData("images/hopper.gif"));
    const QByteArray errorPage = "<!DOCTYPE html><html><body><h1>Not Found</h1></body></html>";
    std::optional<Qt::CursorShape> cursorWhileServing;

    TestHttpServer server{[this](QTcpSocket& socket, const QByteArray& path) { Serve(socket, path); }};

    void Serve(QTcpSocket& socket, const QByteArray& path) {
        if (const QCursor* cursor = QGuiApplication::overrideCursor()) cursorWhileServing = cursor->shape();
        if (path == "/png") {
            TestHttpServer::Respond(socket, 200, png, {"Content-Type: image/png"});
        } else if (path == "/gif") {
            TestHttpServer::Respond(socket, 200, gif, {"Content-Type: image/gif"});
        } else if (path == "/missing") {
            TestHttpServer::Respond(socket, 404, errorPage, {"Content-Type: text/html"});
        } else if (path == "/empty") {
            TestHttpServer::Respond(socket, 200, {});
        } else if (path.startsWith("/hop/")) {
            const int left = path.mid(5).toInt();
            if (left == 0) {
                TestHttpServer::Respond(socket, 200, png, {"Content-Type: image/png"});
            } else {
                TestHttpServer::Respond(socket, 302, {}, {"Location: /hop/" + QByteArray::number(left - 1)});
            }
        } else if (path == "/declared-huge") {
            // Announces one byte over 64 MiB, sends a little and then keeps the line open.
            socket.write("HTTP/1.1 200 OK\r\nContent-Length: 67108865\r\n\r\n" + QByteArray(1024, 'x'));
        } else if (path == "/endless") {
            // No length at all: the body ends when the connection does.
            socket.write("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + QByteArray(4 * 1024 * 1024, 'x'));
            socket.disconnectFromHost();
        } else if (path == "/silent") {
            // Accepts the request and never answers.
        } else {
            TestHttpServer::Respond(socket, 500, "unexpected path " + path);
        }
    }
};

TEST_F(HttpGetTest, DeliversTheBodyOfTheFinalResponseWhateverItHolds) {
    struct Case {
        const char* path;
        QByteArray body;
        QSize pictureSize;  // empty when the body is no picture
    };
    const Case cases[] = {
        {"/png", png, QImage(TestData("pngsuite/basn6a08.png")).size()},
        {"/gif", gif, QImage(TestData("images/hopper.gif")).size()},
        {"/missing", errorPage, {}},
        {"/empty", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        QByteArray body;
        EXPECT_EQ(FailureOf([&] { body = HttpGet(server.Url(c.path)); }), std::nullopt);
        EXPECT_EQ(body, c.body);
        if (c.pictureSize.isValid()) {
            EXPECT_EQ(DecodePicture(body).size(), c.pictureSize);
        } else if (!body.isEmpty()) {
            EXPECT_EQ(FailureOf([&] { DecodePicture(body); }), QStringLiteral("Loading bitmap failed."));
        }
    }
}

TEST_F(HttpGetTest, ShowsTheBusyCursorOnlyWhileTheRequestRuns) {
    HttpGet(server.Url("/png"));
    EXPECT_EQ(cursorWhileServing, Qt::WaitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    EXPECT_TRUE(FailureOf([&] { HttpGet(server.Url("/hop/6")); }));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(HttpGetTest, FollowsFiveRedirectsButNotSix) {
    EXPECT_EQ(HttpGet(server.Url("/hop/5")), png);

    const QUrl six = server.Url("/hop/6");
    const auto failure = FailureOf([&] { HttpGet(six); });
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->contains(six.toDisplayString())) << failure->toStdString();
}

TEST(HttpGet, ReportsARefusedConnectionWithItsUrl) {
    const QUrl url(QStringLiteral("http://127.0.0.1:%1/cgi/cbook.cgi?Struct=C71432").arg(ClosedPort()));
    const auto failure = FailureOf([&] { HttpGet(url); });
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->contains(url.toDisplayString())) << failure->toStdString();
    EXPECT_TRUE(failure->contains(QStringLiteral("refused"), Qt::CaseInsensitive)) << failure->toStdString();
}

TEST_F(HttpGetTest, RefusesOversizedBodiesWithoutWaitingForThem) {
    // The declared length alone must end the download; without that check it would run into
    // the (shortened) time-out instead.
    HttpLimits quick;
    quick.timeout = 5s;
    const auto declared = FailureOf([&] { HttpGet(server.Url("/declared-huge"), quick); });
    ASSERT_TRUE(declared);
    EXPECT_TRUE(declared->contains(QStringLiteral("larger than 64 MiB"))) << declared->toStdString();

    HttpLimits small;
    small.maxBody = 1024 * 1024;
    const auto streamed = FailureOf([&] { HttpGet(server.Url("/endless"), small); });
    ASSERT_TRUE(streamed);
    EXPECT_TRUE(streamed->contains(QStringLiteral("larger than 1 MiB"))) << streamed->toStdString();
}

TEST_F(HttpGetTest, GivesUpWhenTheServerStaysSilent) {
    HttpLimits impatient;
    impatient.timeout = 200ms;
    const QUrl url = server.Url("/silent");
    const auto failure = FailureOf([&] { HttpGet(url, impatient); });
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->contains(url.toDisplayString())) << failure->toStdString();
    EXPECT_TRUE(failure->contains(QStringLiteral("no answer within 0.2 seconds"))) << failure->toStdString();
}

}  // namespace
