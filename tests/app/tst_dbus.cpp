#include "../companion/recordingview.h"

#include "app/dbusservice.h"
#include "companion/requests.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QUrl>
#include <QWindow>
#include <QtTest>

using namespace stak;

// The program's service on a private session bus (the test runs under
// dbus-run-session), called from a connection of its own as another program
// would, against a companion on a recording view.
class TestDBus : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "no session bus");
        fx.write(u"text.tlk"_qs, u"1\r\n>Речь\r\n"_qs);
        fx.write(u"tost.tlk"_qs, u"1\r\n>Тост\r\n"_qs);
        fx.write(u"sound.tlk"_qs, u"2\r\n>v.wav\r\nГолос\r\n>w.wav\r\nДругой\r\n"_qs);
        fx.write(u"run.scn"_qs, u"say Из сценария\r\n"_qs);
        fx.write(u"open.scn"_qs, u"say Открыт\r\n"_qs);
        QDir(fx.dir.path()).mkdir(u"folder.scn"_qs);
        fx.companion.eventTimer().setInterval(3600000); // no event of its own
        requests.attach(fx.companion, [this] { ++raised; });
        QVERIFY(service.registerOnBus());
        // A second copy of the program leaves the name to the first.
        DBusService second(requests, {});
        QVERIFY(!second.registerOnBus());
    }

    // Rows run in order; effect: what the companion did for the call.
    void calls_data()
    {
        const QString app = u"org.freedesktop.Application"_qs, own = DBusService::interfaceName();
        const QString file = QUrl::fromLocalFile(fx.dir.filePath(u"open.scn"_qs)).toString();
        columns<QString, QString, QVariantList, QString, QString>("interface", "method", "args",
                                                                  "answer", "effect");
        using A = QVariantList;
        const A none{A(), QVariantMap()};
        tableRow("say drawn", own, u"Say"_qs, A{""}, u"done"_qs, u"say Речь\r\n"_qs);
        tableRow("say", own, u"Say"_qs, A{"Такси\r\nприехало"}, u"done"_qs,
                 u"say Такси\r\nприехало"_qs);
        tableRow("say too long", own, u"Say"_qs, A{QString(2001, u'а')}, u"TooLong"_qs, QString());
        tableRow("toast given", own, u"Toast"_qs, A{"За нас!"}, u"done"_qs,
                 u"toast За нас! sound warn.wav"_qs);
        tableRow("toast drawn", own, u"Toast"_qs, A{""}, u"done"_qs,
                 u"toast Тост\r\n sound warn.wav"_qs);
        tableRow("voice 2", own, u"Voice"_qs, A{2}, u"done"_qs,
                 u"say Другой\r\n sound .\\wav\\w.wav"_qs);
        tableRow("voice 3 of 2", own, u"Voice"_qs, A{3}, u"NoSuchPhrase"_qs, QString());
        tableRow("voice -1", own, u"Voice"_qs, A{-1}, u"NoSuchPhrase"_qs, QString());
        tableRow("scenario", own, u"RunScenario"_qs, A{"run.scn"}, u"done"_qs,
                 u"say Из сценария"_qs);
        tableRow("no such file", own, u"RunScenario"_qs, A{"nosuch.scn"}, u"NoSuchFile"_qs,
                 QString());
        tableRow("a folder", own, u"RunScenario"_qs, A{"folder.scn"}, u"NotAFile"_qs, QString());
        tableRow("show", own, u"Show"_qs, A{}, u"done"_qs, u"raised"_qs);
        tableRow("activate", app, u"Activate"_qs, A{QVariantMap()}, QString(), u"activated"_qs);
        tableRow("open", app, u"Open"_qs, A{QStringList{file}, QVariantMap()}, QString(),
                 u"say Открыт"_qs);
        tableRow("drink", app, u"ActivateAction"_qs, A{"drink"} + none, QString(),
                 u"sound drinkme.wav"_qs);
        tableRow("riddle", app, u"ActivateAction"_qs, A{"riddle"} + none, QString(), u"riddles"_qs);
        tableRow("toast", app, u"ActivateAction"_qs, A{"toast"} + none, QString(),
                 u"toast Тост\r\n sound warn.wav"_qs);
        tableRow("anecdote", app, u"ActivateAction"_qs, A{"anecdote"} + none, QString(),
                 u"say Голос\r\n sound .\\wav\\v.wav"_qs);
        tableRow("no such action", app, u"ActivateAction"_qs, A{"dance"} + none, u"NoSuchAction"_qs,
                 QString());
    }

    void calls()
    {
        const auto [interface, method, args, answer, effect] =
            fetch<QString, QString, QVariantList, QString, QString>("interface", "method", "args",
                                                                    "answer", "effect");
        fx.random.setValues({0.1f}); // a voice phrase drawn: the first
        const auto speech = fx.view.speech.size(), toasts = fx.view.toasts.size(),
                   sounds = fx.fake.sounds.size(), sides = fx.view.sideWindows.size();
        const int front = raised, activations = activated;
        QCOMPARE(call(interface, method, args), answer);
        QTest::qWait(20); // the request's turn
        QStringList did;
        for (const QString &s : fx.view.speech.mid(speech))
            did << u"say "_qs + s;
        for (const QString &s : fx.view.toasts.mid(toasts))
            did << u"toast "_qs + s;
        for (const QString &s : fx.fake.sounds.mid(sounds))
            did << u"sound "_qs + s;
        if (fx.view.sideWindows.size() > sides)
            did << u"riddles"_qs;
        if (raised > front)
            did << u"raised"_qs;
        if (activated > activations)
            did << u"activated"_qs;
        QCOMPARE(did.join(u' '), effect);
    }

    // Behind a scenario or a modal window a request waits; a thousand calls
    // then: the first hundred wait, the rest are refused as busy; all hundred
    // are done once the companion is free, and it answers at once again.
    void waitsWhileBusy_data()
    {
        columns<bool>("modal");
        tableRow("scenario", false);
        tableRow("modal window", true);
    }

    void waitsWhileBusy()
    {
        const auto [modal] = fetch<bool>("modal");
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        QWindow window;
        window.setModality(Qt::ApplicationModal);
        window.setVisible(modal);
        fx.companion.ScenarioBusy = !modal;
        QMap<QString, int> answers;
        for (int i = 0; i < 1000; ++i)
            ++answers[call(DBusService::interfaceName(), u"Say"_qs, {tag + QString::number(i)})];
        QCOMPARE(answers, (QMap<QString, int>{{u"queued"_qs, 100}, {u"Busy"_qs, 900}}));
        QTest::qWait(200);
        QVERIFY(!fx.view.speech.contains(tag + u"0"_qs));
        window.hide();
        fx.companion.ScenarioBusy = false;
        QTRY_COMPARE(fx.view.speech.last(), tag + u"99"_qs);
        QCOMPARE(fx.view.speech.mid(fx.view.speech.size() - 100).first(), tag + u"0"_qs);
        QCOMPARE(call(DBusService::interfaceName(), u"Say"_qs, {u"Ещё"_qs}), u"done"_qs);
    }

private:
    // A call over the bus; the reply's status (empty for none) or the error's
    // last name part.
    QString call(const QString &interface, const QString &method, const QVariantList &args)
    {
        QDBusMessage m = QDBusMessage::createMethodCall(
            DBusService::applicationId(), DBusService::objectPath(), interface, method);
        m.setArguments(args);
        const QDBusMessage reply = client.call(m, QDBus::BlockWithGui, 5000);
        if (reply.type() == QDBusMessage::ErrorMessage)
            return reply.errorName().section(u'.', -1);
        return reply.arguments().value(0).toString();
    }

    CompanionFixture fx;
    CompanionRequests requests;
    int raised = 0;
    int activated = 0;
    DBusService service{requests, [this] { ++activated; }};
    QDBusConnection client =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"client"_qs);
};

QTEST_MAIN(TestDBus)
#include "tst_dbus.moc"
