#include "show/OscRemote.h"
#include "i18n/Lingua.h"
#include "media/VolumeFades.h"
#include "platform/widgets/RichTextBox.h"
#include "show/Panic.h"
#include "show/ShowMode.h"
#include "support/FakeMci.h"
#include "support/MediaFiles.h"
#include "support/ProgramFolder.h"
#include "ui/Form1.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QNetworkInterface>
#include <QProcess>
#include <QRandomGenerator>
#include <QUdpSocket>
#include <atomic>
#include <gtest/gtest.h>
#include <lo/lo.h>

namespace {

bool portIsFree(int port) {
    QUdpSocket probe;
    return probe.bind(QHostAddress::Any, quint16(port));
}

struct RemoteForm {
    RemoteForm() {
        Lingua[127] = QStringLiteral("File non trovato");
        form.RTB->setText(QStringLiteral("[[FadeIn]] one [[FadeOut]] two [[Img Off]]"));
        form.RTB->setSelStart(0);
        form.showMode->SetActive(true);
        // GOs here come faster than an operator's: the protection has tests of its own.
        form.showMode->SetGoProtection(0);
        // A port of the system's choosing, so two runs on one machine do not meet.
        form.showMode->SetRemote(true, 0, false);
        port = form.showMode->remote->Port();
        EXPECT_GT(port, 0);
    }
    // Sends with oscsend, as a remote would.
    bool send(const QStringList& message) {
        QProcess p;
        p.start(QStringLiteral("oscsend"),
                QStringList{QStringLiteral("localhost"), QString::number(port)} + message);
        return p.waitForFinished(5000) && p.exitCode() == 0;
    }
    ShowMode& show() { return *form.showMode; }
    TempProgramFolder folder;
    FakeMci device;
    Form1 form;
    int port = 0;
};

bool haveOscsend() {
    QProcess p;
    p.start(QStringLiteral("oscsend"), {});
    return p.waitForFinished(3000);
}

} // namespace

TEST(OscRemote, OscsendDrivesGoCuePanicAndShowMode) {
    if (!haveOscsend()) GTEST_SKIP() << "oscsend (liblo-tools) is not installed";
    RemoteForm t;
    ASSERT_TRUE(t.show().remote->Listening());
    ASSERT_TRUE(t.send({QStringLiteral("/scenolux/go")}));
    EXPECT_TRUE(WaitFor([&] { return t.show().StandbyText() == QLatin1String("FadeOut"); }));
    EXPECT_EQ(t.form.volume->PassoFade, -10);
    // A button that sends 1 on press and 0 on release goes once.
    ASSERT_TRUE(t.send({QStringLiteral("/scenolux/go"), QStringLiteral("f"), QStringLiteral("1")}));
    ASSERT_TRUE(t.send({QStringLiteral("/scenolux/go"), QStringLiteral("f"), QStringLiteral("0")}));
    EXPECT_TRUE(WaitFor([&] { return t.show().StandbyText() == QLatin1String("Img Off"); }));
    ASSERT_TRUE(t.send({QStringLiteral("/scenolux/back")}));
    EXPECT_TRUE(WaitFor([&] { return t.show().StandbyText() == QLatin1String("FadeOut"); }));

    // A cue text runs as a click would, and the script stays as it is.
    const QString script = t.form.RTB->Text();
    ASSERT_TRUE(t.send(
        {QStringLiteral("/scenolux/cue"), QStringLiteral("s"), QStringLiteral("fadeout slow")}));
    EXPECT_TRUE(WaitFor([&] { return t.form.volume->PassoFade == 1; }));
    EXPECT_EQ(t.form.RTB->Text(), script);
    ASSERT_TRUE(t.send(
        {QStringLiteral("/scenolux/cue"), QStringLiteral("s"), QStringLiteral("nothing.wav")}));
    EXPECT_TRUE(
        WaitFor([&] { return t.form.Label11->Caption() == QLatin1String("File non trovato"); }));

    ASSERT_TRUE(t.send({QStringLiteral("/scenolux/panic")}));
    EXPECT_TRUE(WaitFor([&] { return t.show().panic->Running(); }));
    ASSERT_TRUE(
        t.send({QStringLiteral("/scenolux/showmode"), QStringLiteral("i"), QStringLiteral("0")}));
    EXPECT_TRUE(WaitFor([&] { return !t.show().Active(); }));
    EXPECT_FALSE(t.form.RTB->isReadOnly());
    ASSERT_TRUE(
        t.send({QStringLiteral("/scenolux/showmode"), QStringLiteral("i"), QStringLiteral("1")}));
    EXPECT_TRUE(WaitFor([&] { return t.show().Active(); }));
}

// The protection holds for the remote too: two GOs 50 ms apart run one cue; switched off, two.
TEST(OscRemote, TwoGosFiftyMsApartRunOneCueUnlessTheProtectionIsOff) {
    RemoteForm t;
    t.form.RTB->setText(QStringLiteral("[[Vol 10]] [[Vol 20]] [[Vol 30]] [[Vol 40]]"));
    t.form.RTB->setSelStart(0);
    t.show().First();
    std::atomic<qint64> now = 1000;
    t.show().goGuard.SetClock([&] { return now.load(); });
    t.show().SetGoProtection(250);
    lo_address program = lo_address_new("127.0.0.1", QByteArray::number(t.port).constData());
    auto twoGos = [&] {
        const int before = t.show().remote->Received();
        lo_send(program, "/scenolux/go", "");
        EXPECT_TRUE(WaitFor([&] { return t.show().remote->Received() == before + 1; }));
        now += 50;
        lo_send(program, "/scenolux/go", "");
        EXPECT_TRUE(WaitFor([&] {
            return t.show().remote->Received() == before + 2 && t.show().remote->Pending() == 0;
        }));
        now += 1000;
    };
    twoGos();
    EXPECT_EQ(t.show().StandbyText(), QStringLiteral("Vol 20"));
    t.show().SetGoProtection(0);
    twoGos();
    EXPECT_EQ(t.show().StandbyText(), QStringLiteral("Vol 40"));
    lo_address_free(program);
}

TEST(OscRemote, StandbyIsAnsweredToTheSender) {
    RemoteForm t;
    lo_server client = lo_server_new(nullptr, nullptr);
    ASSERT_NE(client, nullptr);
    QString answer;
    lo_server_add_method(
        client, "/scenolux/standby", "s",
        [](const char*, const char*, lo_arg** argv, int, lo_message, void* out) {
            *static_cast<QString*>(out) = QString::fromUtf8(&argv[0]->s);
            return 0;
        },
        &answer);
    lo_address program = lo_address_new("127.0.0.1", QByteArray::number(t.port).constData());
    ASSERT_GT(lo_send_from(program, client, LO_TT_IMMEDIATE, "/scenolux/standby", ""), 0);
    EXPECT_TRUE(WaitFor([&] {
        lo_server_recv_noblock(client, 0);
        return !answer.isEmpty();
    }));
    EXPECT_EQ(answer, QStringLiteral("FadeIn"));
    lo_address_free(program);
    lo_server_free(client);
}

TEST(OscRemote, DamagedAndUnknownMessagesAreIgnored) {
    RemoteForm t;
    QUdpSocket socket;
    auto packet = [](const char* path, const char* types, const QByteArray& args = {}) {
        auto padded = [](QByteArray s) {
            s.append('\0');
            while (s.size() % 4)
                s.append('\0');
            return s;
        };
        return padded(path) + padded(types) + args;
    };
    const QByteArray go = packet("/scenolux/go", ",");
    QList<QByteArray> bad = {
        go.left(5),                                                      // truncated
        go.left(go.size() - 1),                                          // one byte short
        packet("/scenolux/go", ",s", packet("x", "")),                   // wrong type
        packet("/scenolux/showmode", ",s", packet("0", "")),             // wrong type
        packet("/scenolux/showmode", ",i", QByteArray("\0\0\0\x07", 4)), // no such state
        packet("/scenolux/cue", ",i", QByteArray(4, '\0')),              // not a text
        packet("/scenolux/cue", ",s", QByteArray("FadeOut", 7)),         // unterminated text
        packet("/scenolux/format", ","),                                 // unknown
        packet("/other/go", ","),
        QByteArray("#bundle\0", 8) + QByteArray(4, '\xff'), // a broken bundle
        QByteArray(),
    };
    QRandomGenerator random(17);
    for (int i = 0; i < 200; ++i) {
        QByteArray noise(int(random.bounded(1, 200)), '\0');
        for (char& c : noise)
            c = char(random.bounded(256));
        bad << noise;
    }
    for (const QByteArray& datagram : bad)
        socket.writeDatagram(datagram, QHostAddress::LocalHost, quint16(t.port));
    // Then one good GO: only it acts, once the rubbish before it has been read.
    socket.writeDatagram(go, QHostAddress::LocalHost, quint16(t.port));
    // The socket is read in order: once the GO acted, everything before it was read.
    EXPECT_TRUE(WaitFor([&] { return t.show().StandbyText() == QLatin1String("FadeOut"); }));
    EXPECT_TRUE(t.show().Active());
    EXPECT_FALSE(t.show().panic->Running());
    EXPECT_EQ(t.form.RTB->Text(), QStringLiteral("[[FadeIn]] one [[FadeOut]] two [[Img Off]]"));
}

// "Only this machine": a GO from the machine's network address is dropped, one from the loopback
// acts; on every interface, the network's acts too.
TEST(OscRemote, OnlyThisMachineDropsWhatComesFromTheNetwork) {
    QHostAddress outside;
    for (const QHostAddress& a : QNetworkInterface::allAddresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback()) outside = a;
    if (outside.isNull()) GTEST_SKIP() << "no network address besides the loopback";
    RemoteForm t;
    const QByteArray go("/scenolux/go\0\0\0\0,\0\0\0", 20);
    const QByteArray standby("/scenolux/standby\0\0\0,\0\0\0", 24);
    QUdpSocket network, local;
    ASSERT_TRUE(network.bind(outside, 0));
    ASSERT_TRUE(local.bind(QHostAddress::LocalHost, 0));
    network.writeDatagram(go, outside, quint16(t.port));
    local.writeDatagram(go, QHostAddress::LocalHost, quint16(t.port));
    local.writeDatagram(standby, QHostAddress::LocalHost, quint16(t.port));
    // Taken in order: once the standby is answered, both GOs were read; one acted.
    ASSERT_TRUE(WaitFor([&] { return local.hasPendingDatagrams(); }));
    EXPECT_EQ(t.show().StandbyText(), QStringLiteral("FadeOut"));
    t.form.showMode->SetRemote(true, t.port, true);
    network.writeDatagram(go, outside, quint16(t.port));
    EXPECT_TRUE(WaitFor([&] { return t.show().StandbyText() == QLatin1String("Img Off"); }));
}

// Off on a first start; once set, the remote is back at the next start as it was left.
TEST(OscRemote, OffByDefaultBackAtTheNextStartAndThePortClosesWhenSwitchedOff) {
    TempProgramFolder folder;
    Form1 fresh;
    fresh.showMode->RestoreSaved();
    EXPECT_FALSE(fresh.showMode->Settings().remoteOn);
    EXPECT_EQ(fresh.showMode->Settings().port, 53100);
    EXPECT_FALSE(fresh.showMode->Settings().allInterfaces);
    EXPECT_FALSE(fresh.showMode->remote->Listening());

    fresh.showMode->SetRemote(true, 0, false);
    EXPECT_TRUE(fresh.showMode->remote->Listening());
    const int port = fresh.showMode->remote->Port();
    EXPECT_FALSE(portIsFree(port));
    fresh.showMode->SetRemote(false, port, false);
    EXPECT_TRUE(portIsFree(port));

    // A port another program holds is said in the notice line; nothing else breaks.
    QUdpSocket holder;
    ASSERT_TRUE(holder.bind(QHostAddress::Any, 0));
    const int held = holder.localPort();
    fresh.showMode->SetRemote(true, held, true);
    EXPECT_FALSE(fresh.showMode->remote->Listening());
    EXPECT_TRUE(fresh.Label11->isVisibleTo(&fresh));
    EXPECT_TRUE(fresh.Label11->Caption().contains(QString::number(held)));

    fresh.showMode->SetRemote(true, port, true);
    ASSERT_TRUE(fresh.showMode->remote->Listening());
    fresh.showMode->remote->Stop(); // the program ends: its port closes, its settings stay
    Form1 next;
    next.showMode->RestoreSaved();
    EXPECT_TRUE(next.showMode->remote->Listening());
    EXPECT_EQ(next.showMode->remote->Port(), port);
    EXPECT_FALSE(next.showMode->remote->LocalOnly());
}

// A flood of GOs (a stuck button, a runaway sender) is taken no faster than the window keeps
// up with: a key is answered at once throughout, what does not fit is dropped, and a panic
// goes before what waits.
TEST(OscRemote, ABurstNeverKeepsTheWindowFromItsKeysAndPanicGoesFirst) {
    RemoteForm t;
    QString script;
    for (int i = 0; i < 400; ++i)
        script += QStringLiteral("[[Vol %1]] [[nowhere-%1.wav]]\r\n").arg(i % 100);
    t.form.RTB->setText(script);
    t.form.RTB->setSelStart(0);
    t.show().First();

    // Keys seen by the editor, with the time each was posted.
    struct KeyWatch : QObject {
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Shift)
                seen = true;
            return false;
        }
        bool seen = false;
    } watch;
    t.form.RTB->installEventFilter(&watch);

    lo_address program = lo_address_new("127.0.0.1", QByteArray::number(t.port).constData());
    for (int i = 0; i < 5000; ++i)
        lo_send(program, "/scenolux/go", "");

    QElapsedTimer clock;
    clock.start();
    qint64 slowest = 0, lastArrival = 0;
    int received = -1;
    // A panic sent while GOs wait runs before them: within the time of one key.
    qint64 panicSent = -1, panicRan = -1;
    // Until every datagram the system delivered has been received and taken.
    while (clock.elapsed() < 20000) {
        if (t.show().remote->Received() != received) {
            received = t.show().remote->Received();
            lastArrival = clock.elapsed();
        }
        if (received > 0 && t.show().remote->Pending() == 0 &&
            clock.elapsed() - lastArrival > 300 && panicRan >= 0)
            break;
        watch.seen = false;
        QElapsedTimer answer;
        answer.start();
        QCoreApplication::postEvent(
            t.form.RTB, new QKeyEvent(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier));
        while (!watch.seen && answer.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        slowest = std::max(slowest, answer.elapsed());
        if (panicRan < 0 && t.show().panic->Running()) panicRan = clock.elapsed();
        // Sent while GOs wait; again only if the system lost it (a full socket buffer drops
        // datagrams).
        if (panicRan < 0 && ((panicSent < 0 && t.show().remote->Pending() > 1) ||
                             (panicSent >= 0 && clock.elapsed() - panicSent > 300))) {
            lo_send(program, "/scenolux/panic", "");
            panicSent = clock.elapsed();
        }
    }
    lo_address_free(program);
    EXPECT_LT(slowest, 100) << "the window did not answer a key for " << slowest << " ms";
    EXPECT_GT(received, 50); // the rest the system itself dropped
    ASSERT_GE(panicSent, 0);
    ASSERT_GE(panicRan, 0);
    EXPECT_LT(panicRan - panicSent, 100);
    // Only a few of the GOs received ran: the show did not race through its cues.
    ASSERT_TRUE(t.show().Standby().has_value());
    EXPECT_LT(t.show().Standby()->open, int(script.indexOf(QStringLiteral("[[Vol 99]]"))));
}
