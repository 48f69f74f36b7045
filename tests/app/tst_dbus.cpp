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
        fx.write(u"tost.tlk"_qs, u"1\r\n>Тост из файла\r\n"_qs);
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

    void calls_data();
    void calls();
    void waitsWhileBusy_data();
    void waitsWhileBusy();
    void floodIsAnswered();

private:
    // A call over the bus; the reply's status or the error's last name part.
    QString call(const QString &interface, const QString &method, const QVariantList &args)
    {
        QDBusMessage m = QDBusMessage::createMethodCall(
            DBusService::applicationId(), DBusService::objectPath(), interface, method);
        m.setArguments(args);
        const QDBusMessage reply = client.call(m, QDBus::BlockWithGui, 5000);
        if (reply.type() == QDBusMessage::ErrorMessage)
            return reply.errorName().section(u'.', -1);
        return reply.arguments().isEmpty() ? u"(none)"_qs : reply.arguments().first().toString();
    }
    QString companionCall(const QString &method, const QVariantList &args)
    {
        return call(DBusService::interfaceName(), method, args);
    }
    // What the companion did, after the requests' turn came.
    QString lastEffect()
    {
        QTest::qWait(20);
        const QStringList all{fx.view.speech.value(fx.view.speech.size() - 1),
                              fx.view.toasts.value(fx.view.toasts.size() - 1),
                              fx.fake.sounds.value(fx.fake.sounds.size() - 1),
                              QString::number(fx.view.sideWindows.size()),
                              QString::number(raised + activated)};
        return all.join(u'|');
    }

    CompanionFixture fx;
    CompanionRequests requests;
    int raised = 0;
    int activated = 0;
    DBusService service{requests, [this] { ++activated; }};
    QDBusConnection client =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"client"_qs);
};

void TestDBus::calls_data()
{
    const QString app = u"org.freedesktop.Application"_qs;
    const QString own = DBusService::interfaceName();
    const QString file = QUrl::fromLocalFile(fx.dir.filePath(u"open.scn"_qs)).toString();
    QTest::addColumn<QString>("interface");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariantList>("args");
    QTest::addColumn<QString>("answer");
    // speech | toast | sound | side windows opened | raised or activated
    QTest::addColumn<QString>("effect");
    const QVariantList none{QVariantList(), QVariantMap()};
    QTest::newRow("say drawn") << own << "Say" << QVariantList{""} << "done"
                               << "Речь\r\n|||0|0";
    QTest::newRow("say") << own << "Say" << QVariantList{"Такси\r\nприехало"} << "done"
                         << "Такси\r\nприехало|||0|0";
    QTest::newRow("say too long") << own << "Say" << QVariantList{QString(2001, u'а')} << "TooLong"
                                  << "Такси\r\nприехало|||0|0";
    QTest::newRow("toast given") << own << "Toast" << QVariantList{"За хозяйку!"} << "done"
                                 << "Такси\r\nприехало|За хозяйку!|warn.wav|0|0";
    QTest::newRow("toast drawn") << own << "Toast" << QVariantList{""} << "done"
                                 << "Такси\r\nприехало|Тост из файла\r\n|warn.wav|0|0";
    QTest::newRow("voice 2") << own << "Voice" << QVariantList{2} << "done"
                             << "Другой\r\n|Тост из файла\r\n|.\\wav\\w.wav|0|0";
    QTest::newRow("voice 3 of 2") << own << "Voice" << QVariantList{3} << "NoSuchPhrase"
                                  << "Другой\r\n|Тост из файла\r\n|.\\wav\\w.wav|0|0";
    QTest::newRow("voice -1") << own << "Voice" << QVariantList{-1} << "NoSuchPhrase"
                              << "Другой\r\n|Тост из файла\r\n|.\\wav\\w.wav|0|0";
    QTest::newRow("scenario") << own << "RunScenario" << QVariantList{"run.scn"} << "done"
                              << "Из сценария|Тост из файла\r\n|.\\wav\\w.wav|0|0";
    QTest::newRow("no such file") << own << "RunScenario" << QVariantList{"nosuch.scn"}
                                  << "NoSuchFile"
                                  << "Из сценария|Тост из файла\r\n|.\\wav\\w.wav|0|0";
    QTest::newRow("a folder") << own << "RunScenario" << QVariantList{"folder.scn"} << "NotAFile"
                              << "Из сценария|Тост из файла\r\n|.\\wav\\w.wav|0|0";
    QTest::newRow("show") << own << "Show" << QVariantList{} << "done"
                          << "Из сценария|Тост из файла\r\n|.\\wav\\w.wav|0|1";
    QTest::newRow("activate") << app << "Activate" << QVariantList{QVariantMap()} << "(none)"
                              << "Из сценария|Тост из файла\r\n|.\\wav\\w.wav|0|2";
    QTest::newRow("open") << app << "Open" << QVariantList{QStringList{file}, QVariantMap()}
                          << "(none)"
                          << "Открыт|Тост из файла\r\n|.\\wav\\w.wav|0|2";
    QTest::newRow("action drink") << app << "ActivateAction" << QVariantList{"drink"} + none
                                  << "(none)"
                                  << "Открыт|Тост из файла\r\n|drinkme.wav|0|2";
    QTest::newRow("action riddle")
        << app << "ActivateAction" << QVariantList{"riddle"} + none << "(none)"
        << "Открыт|Тост из файла\r\n|drinkme.wav|1|2";
    QTest::newRow("action toast") << app << "ActivateAction" << QVariantList{"toast"} + none
                                  << "(none)"
                                  << "Открыт|Тост из файла\r\n|warn.wav|1|2";
    QTest::newRow("action anecdote")
        << app << "ActivateAction" << QVariantList{"anecdote"} + none << "(none)"
        << "Голос\r\n|Тост из файла\r\n|.\\wav\\v.wav|1|2";
    QTest::newRow("no such action")
        << app << "ActivateAction" << QVariantList{"dance"} + none << "NoSuchAction"
        << "Голос\r\n|Тост из файла\r\n|.\\wav\\v.wav|1|2";
}

// Rows run in order, each effect on top of the ones before.
void TestDBus::calls()
{
    QFETCH(QString, interface);
    QFETCH(QString, method);
    QFETCH(QVariantList, args);
    fx.random.setValues({0.1f}); // a voice phrase drawn: the first
    QFETCH(QString, answer);
    QFETCH(QString, effect);
    QCOMPARE(call(interface, method, args), answer);
    QCOMPARE(lastEffect(), effect);
}

void TestDBus::waitsWhileBusy_data()
{
    QTest::addColumn<QString>("busy");
    QTest::newRow("scenario") << "scenario";
    QTest::newRow("modal window") << "modal";
}

void TestDBus::waitsWhileBusy()
{
    QFETCH(QString, busy);
    QWindow modal;
    if (busy == u"modal"_qs) {
        modal.setModality(Qt::ApplicationModal);
        modal.show();
        QTRY_VERIFY(QGuiApplication::modalWindow());
    } else {
        fx.companion.ScenarioBusy = true;
    }
    QCOMPARE(companionCall(u"Say"_qs, {busy}), u"queued"_qs);
    QTest::qWait(200);
    QVERIFY(!fx.view.speech.contains(busy));
    modal.hide();
    fx.companion.ScenarioBusy = false;
    QTRY_COMPARE(fx.view.speech.last(), busy);
}

// A thousand calls while the companion is busy: the first hundred wait, the
// rest are refused as busy; all hundred are done once it is free, and it
// answers at once again.
void TestDBus::floodIsAnswered()
{
    QCOMPARE(requests.waiting(), 0);
    fx.companion.ScenarioBusy = true;
    QMap<QString, int> answers;
    for (int i = 0; i < 1000; ++i)
        ++answers[companionCall(u"Say"_qs, {QString::number(i)})];
    QCOMPARE(answers, (QMap<QString, int>{{u"queued"_qs, 100}, {u"Busy"_qs, 900}}));
    const qsizetype before = fx.view.speech.size();
    fx.companion.ScenarioBusy = false;
    QTRY_COMPARE(fx.view.speech.size(), before + 100);
    QCOMPARE(fx.view.speech.last(), u"99"_qs);
    QCOMPARE(companionCall(u"Say"_qs, {u"Ещё по одной"_qs}), u"done"_qs);
}

QTEST_MAIN(TestDBus)
#include "tst_dbus.moc"
