#include "app/UpdateCheck.h"
#include "i18n/Lingua.h"
#include "support/FakeShell.h"
#include "support/SavedLingua.h"
#include "support/ScriptedDialogs.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A web server of one file: answers every request with body, or never answers at all.
class VersionServer {
public:
    explicit VersionServer(QByteArray body, bool answers = true) : body_(std::move(body)) {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this, answers] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                if (!answers) continue; // accepted, then silence
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    if (!socket->readAll().contains("\r\n\r\n")) return;
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n"
                                  "Connection: close\r\nContent-Length: " +
                                  QByteArray::number(body_.size()) + "\r\n\r\n" + body_);
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QUrl url() const {
        return QUrl(
            QStringLiteral("http://127.0.0.1:%1/ver_scenolux.txt").arg(server_.serverPort()));
    }

private:
    QByteArray body_;
    QTcpServer server_;
};

const QString kPage = QStringLiteral("http://example.invalid/scenolux.html");

// Runs one check of the local version 1.5.1 against body; true when the program was ended.
bool check(const QByteArray& body) {
    VersionServer server(body);
    bool ended = false;
    UpdateCheck update(QStringLiteral("001005001"), server.url(), kPage, [&] { ended = true; });
    QSignalSpy finished(&update, &UpdateCheck::finished);
    update.Start();
    EXPECT_TRUE(finished.wait(5000));
    return ended;
}

} // namespace

TEST(UpdateCheck, TheVersionCodeHasThreeDigitsPerPart) {
    EXPECT_EQ(VersionCode(1, 5, 1), QStringLiteral("001005001"));
    EXPECT_EQ(VersionCode(12, 0, 99), QStringLiteral("012000099"));
    EXPECT_EQ(LocalVersionCode().size(), 9);
}

TEST(UpdateCheck, ANewerVersionAsksAndYesOpensThePageAndEnds) {
    SavedLingua saved;
    Lingua[150] = QStringLiteral("New version.<BR>Open the page?");
    Lingua[151] = QStringLiteral("Update");
    ScriptedDialogs dialogs;
    FakeShell shell;
    dialogs.ExpectMsgBox(vbmsg::Yes);
    EXPECT_TRUE(check("001005002"));
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("New version.\r\n\r\nOpen the page?"));
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Update"));
    EXPECT_EQ(dialogs.shown[0].buttons, vbmsg::YesNo | vbmsg::Information);
    EXPECT_EQ(shell.opened, QStringList{kPage});

    dialogs.ExpectMsgBox(vbmsg::No); // No goes on
    EXPECT_FALSE(check("001005002"));
    EXPECT_EQ(shell.opened.size(), 1);
}

TEST(UpdateCheck, TheSameVersionAndMalformedFilesShowNothing) {
    ScriptedDialogs dialogs; // fails on any question
    FakeShell shell;
    for (const QByteArray& body : {QByteArray("001005001"), QByteArray("1.5.2"),
                                   QByteArray("001005002\n"), QByteArray("001004999")})
        EXPECT_FALSE(check(body)) << body.constData();
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST(UpdateCheck, ASiteThatNeverAnswersIsGivenUpWithoutHoldingTheWindow) {
    ScriptedDialogs dialogs;
    FakeShell shell;
    VersionServer server("001005002", false);
    UpdateCheck update(QStringLiteral("001005001"), server.url(), kPage, [] {});
    QSignalSpy finished(&update, &UpdateCheck::finished);
    // The window's timers keep running while the check waits.
    int ticks = 0;
    QTimer ui;
    QObject::connect(&ui, &QTimer::timeout, [&] { ++ticks; });
    ui.start(50);
    QElapsedTimer clock;
    clock.start();
    update.Start();
    EXPECT_LT(clock.elapsed(), 500); // Start returns at once
    EXPECT_TRUE(finished.wait(6000));
    const qint64 took = clock.elapsed();
    EXPECT_GE(took, 2000); // it waited, rather than failing at once
    EXPECT_LE(took, UpdateCheck::kTimeLimitMs + 1000);
    EXPECT_GE(ticks, 40); // about 60 in 3 s
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_FALSE(update.Running());
}
