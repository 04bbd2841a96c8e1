#include "show/WebRemote.h"
#include "i18n/Messages.h"
#include "media/AudioPlayer.h"
#include "platform/widgets/RichTextBox.h"
#include "script/CueLookup.h"
#include "show/Panic.h"
#include "show/ShowMode.h"
#include "support/Browser.h"
#include "support/MediaFiles.h"
#include "support/ProgramFolder.h"
#include "support/SinkLatency.h"
#include "support/Wav.h"
#include "ui/Form1.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QWebSocket>
#include <gtest/gtest.h>

namespace {

const QString kCode = QStringLiteral("24681357");

struct WebShow {
    explicit WebShow(const QString& script) {
        form.RTB->setText(script);
        form.RTB->setSelStart(0);
        form.showMode->SetActive(true);
        web().wrongCodeDelayMs = 20;
        // A port of the system's choosing, so two runs on one machine do not meet.
        EXPECT_TRUE(web().Start(0, false, kCode));
    }
    WebRemote& web() { return *form.webRemote; }
    QString url(const QString& pathAndQuery) const {
        return QStringLiteral("http://127.0.0.1:%1%2")
            .arg(form.webRemote->Port())
            .arg(pathAndQuery);
    }
    TempProgramFolder folder;
    Form1 form;
};

// Sends raw bytes and returns the status line's code (0: no answer).
int statusOf(int port, const QByteArray& request) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, quint16(port));
    if (!socket.waitForConnected(3000)) return 0;
    socket.write(request);
    QByteArray answer;
    WaitFor([&] {
        answer += socket.readAll();
        return answer.contains("\r\n") || socket.state() == QAbstractSocket::UnconnectedState;
    });
    answer += socket.readAll();
    return answer.startsWith("HTTP/1.1 ") ? answer.mid(9, 3).toInt() : 0;
}

int get(const WebShow& t, const QString& pathAndQuery) {
    return statusOf(t.form.webRemote->Port(),
                    "GET " + pathAndQuery.toUtf8() + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
}

// Opens the page's socket as a browser on origin would; the messages it gets are kept.
struct PageSocket {
    PageSocket(const WebShow& t, const QString& query, const QString& origin) {
        QObject::connect(&socket, &QWebSocket::textMessageReceived,
                         [this](const QString& m) { messages << m; });
        QNetworkRequest request(QUrl(t.url(QStringLiteral("/ws") + query)
                                         .replace(QStringLiteral("http:"), QStringLiteral("ws:"))));
        request.setRawHeader("Origin", origin.toUtf8());
        socket.open(request);
    }
    // True once the socket is open and has had its first state; false when it was closed.
    bool served() {
        WaitFor([&] {
            return !messages.isEmpty() ||
                   (socket.state() == QAbstractSocket::UnconnectedState && closedOnce);
        });
        return !messages.isEmpty();
    }
    QWebSocket socket;
    QStringList messages;
    bool closedOnce = [this] {
        QObject::connect(&socket, &QWebSocket::disconnected, [this] { closedOnce = true; });
        return false;
    }();
};

} // namespace

TEST(WebRemote, OnlyTheRightCodeOnThePagesOwnPathsIsServed) {
    WebShow t(QStringLiteral("one [[FadeIn]] two"));
    const int before = t.web().Refusals();
    EXPECT_EQ(get(t, QStringLiteral("/?code=") + kCode), 200);
    EXPECT_EQ(get(t, QStringLiteral("/")), 401);
    EXPECT_EQ(get(t, QStringLiteral("/?code=13572468")), 401);
    // Nothing of the program's folder or the file system, even with the code.
    EXPECT_EQ(get(t, QStringLiteral("/Lang/English.lng?code=") + kCode), 404);
    EXPECT_EQ(get(t, QStringLiteral("/../../etc/passwd?code=") + kCode), 404);
    EXPECT_EQ(get(t, QStringLiteral("/ws?code=") + kCode), 404); // not as a page
    EXPECT_EQ(statusOf(t.web().Port(), "POST /?code=" + kCode.toUtf8() +
                                           " HTTP/1.1\r\nHost: x\r\nContent-Length: 2\r\n\r\nab"),
              405);
    // Over 64 KB: a body announced or an address, refused before it is all kept.
    EXPECT_EQ(statusOf(t.web().Port(), "POST /?code=" + kCode.toUtf8() +
                                           " HTTP/1.1\r\nHost: x\r\nContent-Length: 70000\r\n\r\n" +
                                           QByteArray(70000, 'a')),
              413);
    EXPECT_EQ(get(t, QStringLiteral("/?code=%1&x=%2").arg(kCode, QString(70000, QLatin1Char('b')))),
              413);
    // Every refusal was counted (and logged), none answered as a dialog.
    EXPECT_EQ(t.web().Refusals() - before, 8);
}

TEST(WebRemote, TenWrongCodesInAMinuteShutTheAddressOut) {
    WebShow t(QStringLiteral("[[FadeIn]]"));
    for (int i = 0; i < WebRemote::kMaxWrongCodes - 1; ++i)
        ASSERT_EQ(get(t, QStringLiteral("/?code=%1").arg(11111111 + i)), 401);
    EXPECT_EQ(get(t, QStringLiteral("/?code=") + kCode), 200) << "shut out too early";
    EXPECT_EQ(get(t, QStringLiteral("/?code=99999999")), 401);
    // Now even the right code, and the socket, are refused.
    EXPECT_EQ(get(t, QStringLiteral("/?code=") + kCode), 429);
    PageSocket socket(t, QStringLiteral("?code=") + kCode, t.url(QString()));
    EXPECT_FALSE(socket.served());
}

TEST(WebRemote, SocketsNeedTheCodeAndThePagesOrigin) {
    WebShow t(QStringLiteral("[[FadeIn]] x [[FadeOut]]"));
    const QString page = t.url(QString());
    PageSocket other(t, QStringLiteral("?code=") + kCode, QStringLiteral("http://evil.example"));
    EXPECT_FALSE(other.served());
    PageSocket none(t, QString(), page);
    EXPECT_FALSE(none.served());
    PageSocket wrong(t, QStringLiteral("?code=1"), page);
    EXPECT_FALSE(wrong.served());

    PageSocket good(t, QStringLiteral("?code=") + kCode, page);
    ASSERT_TRUE(good.served());
    EXPECT_TRUE(good.messages.first().contains(QLatin1String("\"text\":\"FadeIn\"")));
    // Nothing the page sends edits the script; an unknown message is refused.
    const QString script = t.form.RTB->Text();
    const int before = t.web().Refusals();
    good.socket.sendTextMessage(
        QStringLiteral(R"({"cmd":"replace","start":0,"length":5,"text":"gone"})"));
    good.socket.sendTextMessage(QStringLiteral(R"({"cmd":"cue","text":"FadeOut"})"));
    EXPECT_TRUE(WaitFor([&] { return t.web().Refusals() == before + 2; }));
    EXPECT_EQ(t.form.RTB->Text(), script);
    // A message over 64 KB closes the socket.
    good.socket.sendTextMessage(QString(70000, QLatin1Char('x')));
    EXPECT_TRUE(WaitFor([&] { return t.web().Clients() == 0; }));
    EXPECT_EQ(t.web().Refusals(), before + 3);
}

// Off on a first start; as it was left at the next one; a port held elsewhere is said.
TEST(WebRemote, SettingsCloseThePortAndRenewTheCode) {
    WebShow t(QStringLiteral("[[FadeIn]]"));
    {
        Form1 fresh;
        fresh.showMode->RestoreSaved();
        EXPECT_FALSE(fresh.showMode->Settings().webOn);
        EXPECT_EQ(fresh.showMode->Settings().webPort, 53180);
        EXPECT_FALSE(fresh.showMode->Settings().webAllInterfaces);
        EXPECT_FALSE(fresh.webRemote->Listening());
    }
    const int port = t.web().Port();
    ASSERT_EQ(get(t, QStringLiteral("/?code=") + kCode), 200);
    // Off in the settings: the server follows show mode's settings.
    t.form.showMode->SetWebRemote(false, port, false, kCode);
    EXPECT_FALSE(t.web().Listening());
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, quint16(port));
    EXPECT_FALSE(probe.waitForConnected(2000));
    t.form.showMode->SetWebRemote(true, port, false, kCode);
    EXPECT_TRUE(t.web().Listening());
    EXPECT_EQ(t.web().Port(), port);

    // A renewed code: the old one is refused and an open page is closed.
    PageSocket open(t, QStringLiteral("?code=") + kCode, t.url(QString()));
    ASSERT_TRUE(open.served());
    t.form.showMode->SetWebRemote(true, port, false, QString());
    const QString renewed = t.form.showMode->Settings().webCode;
    EXPECT_NE(renewed, kCode);
    EXPECT_TRUE(WaitFor([&] { return open.socket.state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_EQ(get(t, QStringLiteral("/?code=") + kCode), 401);
    EXPECT_EQ(get(t, QStringLiteral("/?code=") + renewed), 200);

    // The program ends; the next start serves the same port with the same code.
    t.web().Stop();
    {
        Form1 next;
        next.showMode->RestoreSaved();
        ASSERT_TRUE(next.webRemote->Listening());
        EXPECT_EQ(next.webRemote->Address(),
                  QStringLiteral("http://127.0.0.1:%1/?code=%2").arg(port).arg(renewed));
        // Its port taken by another program: the notice line says so.
        QTcpServer holder;
        ASSERT_TRUE(holder.listen(QHostAddress::Any, 0));
        next.showMode->SetWebRemote(true, holder.serverPort(), true, renewed);
        EXPECT_FALSE(next.webRemote->Listening());
        EXPECT_TRUE(next.Label11->Caption().contains(QString::number(holder.serverPort())));
    }
}

// The page in a real browser, with the show's sound heard at the sink.
TEST(WebRemote, BrowserShowsTheStandbyAndRunsTheShow) {
    if (!Browser::Installed()) GTEST_SKIP() << "chromium is not installed";
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    SinkLatencyHold hold;
    QTemporaryDir media;
    const QString tone = media.filePath(QStringLiteral("tone.wav"));
    ASSERT_TRUE(MakeWav(tone, 8, 440));
    WebShow t(QStringLiteral("ACT ONE\r\nHamlet enters.\r\nThunder [[%1]] loud\r\n"
                             "Ophelia sings.\r\n[[Stop Audio]]\r\nThe end.")
                  .arg(tone));
    Browser browser;
    ASSERT_TRUE(browser.ok());

    // A wrong code is refused: the page asks again.
    ASSERT_TRUE(browser.open(t.url(QStringLiteral("/?code=00000000"))));
    EXPECT_TRUE(browser.waitFor(QStringLiteral("!document.getElementById('ask').hidden && "
                                               "!document.querySelector('.wrong').hidden")));
    // The right one shows the standby among its lines, and drops the code from the address.
    ASSERT_TRUE(browser.open(t.url(QStringLiteral("/?code=") + kCode)));
    ASSERT_TRUE(browser.waitFor(QStringLiteral("window.scenolux.renders > 0")));
    EXPECT_EQ(browser.eval(QStringLiteral("document.getElementById('cue').textContent")).toString(),
              QStringLiteral("[[%1]]").arg(tone));
    EXPECT_EQ(browser.eval(QStringLiteral("document.getElementById('lines').innerText")).toString(),
              QStringLiteral("ACT ONE\nHamlet enters.\nThunder [[%1]] loud\nOphelia sings.\n"
                             "[[Stop Audio]]\nThe end.")
                  .arg(tone));
    EXPECT_EQ(browser.eval(QStringLiteral("location.search")).toString(), QString());

    // GO from the page: heard at the sink, and the page's standby moves on.
    browser.eval(QStringLiteral("document.getElementById('go').click()"));
    EXPECT_TRUE(HeardAtSink([](double level) { return level > 0.05; }, 200));
    EXPECT_TRUE(browser.waitFor(
        QStringLiteral("document.getElementById('standbyText').textContent === 'Stop Audio'")));
    EXPECT_TRUE(browser.waitFor(
        QStringLiteral("document.querySelector('#player0 .state').textContent === '%1'")
            .arg(MessageText(Msg::WebPlaying))));

    // A click in a cue in the program reaches the page.
    t.form.RTB->setSelStart(t.form.RTB->Text().indexOf(QLatin1String("Stop Audio")) + 1);
    t.form.cues->RTB_DblClick();
    EXPECT_TRUE(browser.waitFor(
        QStringLiteral("document.getElementById('last').textContent === 'Stop Audio'")));
    EXPECT_TRUE(SilenceHeard(200));

    // Panic from the page ends in silence.
    t.form.RTB->setSelStart(0);
    t.form.showMode->First();
    browser.eval(QStringLiteral("document.getElementById('go').click()"));
    ASSERT_TRUE(HeardAtSink([](double level) { return level > 0.05; }, 200));
    browser.eval(QStringLiteral("document.getElementById('panic').click()"));
    EXPECT_TRUE(WaitFor([&] { return t.form.showMode->panic->Running(); }));
    EXPECT_TRUE(SilenceHeard(300, 8000));

    // A lost connection shows at once and is made again by itself.
    const int port = t.web().Port();
    t.web().Stop();
    EXPECT_TRUE(browser.waitFor(QStringLiteral("!document.getElementById('offline').hidden")));
    ASSERT_TRUE(t.web().Start(port, false, kCode));
    EXPECT_TRUE(browser.waitFor(QStringLiteral("document.getElementById('offline').hidden")));
    t.form.audio->cmdStopA_Click();
}
