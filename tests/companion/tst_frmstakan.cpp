#include "companionfixture.h"

#include "companion/picturebox.h"
#include "companion/shakencontents.h"
#include "companion/vblabel.h"
#include "windows/frmtost.h"

#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace stak;

class TestFrmStakan : public QObject
{
    Q_OBJECT
private slots:
    void init() { fx = std::make_unique<CompanionFixture>(); }
    void cleanup() { fx.reset(); }

    void layout_data();
    void layout();
    void texts();
    void userButtons_data();
    void userButtons();
    void voiceMenu_data();
    void voiceMenu();
    void textureTiles();
    void hintLineAndBlink();
    void runScenarioGuardButtonsAndTag_data();
    void runScenarioGuardButtonsAndTag();
    void scenarioLineEnds();
    void unloadRemovesMarker();
    void sayTextRunsExescript();
    void sayTextShowsGivenOrDrawn();
    void toastSkipAndButton();
    void speechLabelClicks();
    void voiceSplit_data();
    void voiceSplit();
    void shakeStaysInRange_data();
    void shakeStaysInRange();
    void transparentPartsShowThePanel();
    void modalWindowsStopTheTimer_data();
    void modalWindowsStopTheTimer();

private:
    FrmStakan &window()
    {
        w = fx->openWindow();
        return *w;
    }
    std::unique_ptr<CompanionFixture> fx;
    FrmStakan *w = nullptr;
};

void TestFrmStakan::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Label5") << "Label5" << QRect(0, -2, 465, 17);
    QTest::newRow("Image1") << "Image1" << QRect(16, 11, 433, 225);
    QTest::newRow("Label1") << "Label1" << QRect(16, 242, 433, 89);
    QTest::newRow("Command1") << "Command1" << QRect(8, 336, 81, 21);
    QTest::newRow("Command2") << "Command2" << QRect(96, 336, 81, 21);
    QTest::newRow("Command3") << "Command3" << QRect(184, 336, 81, 21);
    QTest::newRow("Command4") << "Command4" << QRect(280, 336, 81, 21);
    QTest::newRow("Command5") << "Command5" << QRect(376, 336, 81, 21);
    for (int k = 1; k <= 5; ++k)
        QTest::addRow("cmdU%d", k)
            << QStringLiteral("cmdU%1").arg(k) << QRect(16 + 88 * (k - 1), 365, 81, 25);
    QTest::newRow("Label2") << "Label2" << QRect(0, 400, 153, 17);
    QTest::newRow("Label4") << "Label4" << QRect(152, 400, 145, 17);
    QTest::newRow("Label3") << "Label3" << QRect(296, 400, 177, 17);
}

void TestFrmStakan::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    auto *c = window().findChild<QWidget *>(name);
    QVERIFY2(c, qPrintable(name));
    QCOMPARE(c->geometry(), geometry);
}

void TestFrmStakan::texts()
{
    FrmStakan &f = window();
    QCOMPARE(f.size(), QSize(467, 413));
    QCOMPARE(
        f.windowTitle(),
        QStringLiteral("Стаканыч2003 - ваш проверенный союзник в заочной борьбе с тещей и женой!"));
    QCOMPARE(f.Label1->caption(),
             QStringLiteral("Вас приветствует система \"Стаканыч 2003\". Налейте стакан и "
                            "вставьте его в драйв А:.  Скажите любой тост для продолжения."));
    QStringList captions;
    for (QPushButton *b : {f.Command1, f.Command2, f.Command3, f.Command4, f.Command5})
        captions << b->text();
    QCOMPARE(captions, QStringList({QStringLiteral("Речь"), QStringLiteral("Толкай тост"),
                                    QStringLiteral("Что?"), QStringLiteral("Заг-гадки"),
                                    QStringLiteral("Выпьем")}));
    QVERIFY(f.Label2->font().underline() && f.Label3->font().underline());
    QVERIFY(!f.Label4->font().underline() && f.Label1->font().bold());
    QCOMPARE(f.Label5->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(f.Image1->image().size(), QSize(433, 225));
    QCOMPARE(f.Timer2->interval(), 30000);
}

void TestFrmStakan::userButtons_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<bool>>("visible");
    QTest::newRow("plain, blank, marker") << "Первая\r\n\r\n%>!<% Тайная \r\n"
                                          << QStringList{"Первая", "", "Тайная", "", ""}
                                          << QList<bool>{true, false, false, false, false};
    QTest::newRow("eight lines fill five")
        << "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\n"
        << QStringList{"a", "b", "c", "d", "e"} << QList<bool>{true, true, true, true, true};
    QTest::newRow("marker in the middle, CR only")
        << "  x%>!<%y  \ry\r" << QStringList{"xy", "y", "", "", ""}
        << QList<bool>{false, true, false, false, false};
    QTest::newRow("blank after trimming") << "   \r\nz" << QStringList{"", "z", "", "", ""}
                                          << QList<bool>{false, true, false, false, false};
}

void TestFrmStakan::userButtons()
{
    QFETCH(QString, file);
    QFETCH(QStringList, captions);
    QFETCH(QList<bool>, visible);
    fx->write(QStringLiteral("user.but"), file);
    FrmStakan &f = window();
    f.Form_Load();
    for (int k = 1; k <= 5; ++k) {
        QCOMPARE(f.cmdU[k]->text(), captions[k - 1]);
        QCOMPARE(f.cmdU[k]->isVisibleTo(&f), visible[k - 1]);
    }
}

void TestFrmStakan::voiceMenu_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("two phrases") << "2\r\n>a.wav\r\nПервая\r\nещё\r\n>b.wav\r\nВторая\r\n"
                                 << QStringList{"Первая", "Вторая"};
    QTest::newRow("marker followed by marker") << "3\r\n>a.wav\r\n>b.wav\r\nБэ\r\n>c.wav\r\nЦэ\r\n"
                                               << QStringList{">b.wav", "Цэ"};
    QTest::newRow("last line a marker is ignored") << "1\r\n>a.wav\r\nА\r\n>z.wav\r\n"
                                                   << QStringList{"А"};
}

void TestFrmStakan::voiceMenu()
{
    QFETCH(QString, file);
    QFETCH(QStringList, items);
    fx->write(QStringLiteral("sound.tlk"), file);
    FrmStakan &f = window();
    f.Form_Load();
    QCOMPARE(f.mtx.size(), items.size() + 1);
    QVERIFY(f.mtx[0]->isSeparator());
    for (int k = 1; k < f.mtx.size(); ++k)
        QCOMPARE(f.mtx[k]->text(), items[k - 1]);
}

void TestFrmStakan::textureTiles()
{
    // A 100 x 100 texture: tiles at 0, 100 ... 400 both ways, last ones clipped.
    QImage tile(100, 100, QImage::Format_RGB32);
    tile.fill(Qt::green);
    tile.setPixel(0, 0, qRgb(255, 0, 0));
    tile.save(fx->dir.filePath(QStringLiteral("tex.bmp")));
    settings().texture = QStringLiteral(" tex.bmp ");
    FrmStakan &f = window();
    f.Form_Load();
    const QImage &bg = f.background();
    int corners = 0;
    for (int y = 0; y < bg.height(); ++y)
        for (int x = 0; x < bg.width(); ++x)
            if (bg.pixel(x, y) == qRgb(255, 0, 0)) {
                QVERIFY(x % 100 == 0 && y % 100 == 0);
                ++corners;
            }
    QCOMPARE(corners, 25);
    QCOMPARE(bg.pixel(466, 412), qRgb(0, 255, 0));
}

void TestFrmStakan::hintLineAndBlink()
{
    fx->random.setValues({0.99f}); // 0.99 * 6 -> hint 5
    FrmStakan &f = window();
    f.show();
    f.Form_Load();
    QCOMPARE(f.Label5->caption(), QStringLiteral("Здесь могла быть ваша реклама :)"));
    QList<bool> shown;
    for (int tick = 1; tick <= 9; ++tick) {
        f.Timer2_Timer();
        shown << f.Label5->isVisible();
        QCOMPARE(f.Timer2->interval(), 1000);
    }
    QCOMPARE(shown, (QList<bool>{false, true, false, true, false, true, false, true, false}));
    QVERIFY(!f.Timer2->isActive());
}

void TestFrmStakan::runScenarioGuardButtonsAndTag_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("busy");
    QTest::addColumn<bool>("timerAfter");
    QTest::newRow("no tag") << "" << false << true;
    QTest::newRow("tag no!") << "no!" << false << false;
    QTest::newRow("other tag") << "yes" << false << true;
    QTest::newRow("already busy: dropped") << "" << true << false;
}

void TestFrmStakan::runScenarioGuardButtonsAndTag()
{
    QFETCH(QString, tag);
    QFETCH(bool, busy);
    QFETCH(bool, timerAfter);
    fx->write(QStringLiteral("empty.scn"), QString());
    FrmStakan &f = window();
    f.timer1Tag = tag;
    f.ScenarioBusy = busy;
    f.Command3->setEnabled(false);
    f.RunScenario(QStringLiteral("empty.scn"));
    QCOMPARE(f.Timer1->isActive(), timerAfter);
    // A run restores the buttons; a dropped one leaves them alone.
    QCOMPARE(f.Command3->isEnabled(), !busy);
    QCOMPARE(f.cmdU[5]->isEnabled(), true);
    QCOMPARE(f.ScenarioBusy, busy);
}

void TestFrmStakan::scenarioLineEnds()
{
    fx->write(QStringLiteral("a.scn"), QStringLiteral("one\r\ntwo\rthree\nfour\r\n"));
    FrmStakan &f = window();
    f.LoadScenarioLines(QStringLiteral("a.scn"));
    QCOMPARE(f.ScenarioLines, (QStringList{"one", "two", "three", "four", ""}));
    f.LoadScenarioLines(QStringLiteral("missing.scn"));
    QVERIFY(f.ScenarioLines.isEmpty());
}

void TestFrmStakan::unloadRemovesMarker()
{
    const QString marker = fx->fake.tempFolder() + QStringLiteral("vipivaem.tut");
    QFile m(marker);
    QVERIFY(m.open(QIODevice::WriteOnly));
    m.close();
    FrmStakan &f = window();
    QVERIFY_THROWS_EXCEPTION(ProgramExit, f.Form_Unload());
    QVERIFY(!QFile::exists(marker));
    // Without a marker the program still ends.
    QVERIFY_THROWS_EXCEPTION(ProgramExit, f.Form_Unload());

    // The drink button's millionth press ends the program the same way.
    QVERIFY(m.open(QIODevice::WriteOnly));
    m.close();
    settings().drinkcount = 999999;
    QVERIFY_THROWS_EXCEPTION(ProgramExit, f.Command5_Click());
    QCOMPARE(settings().drinkcount, 1000000);
    QCOMPARE(fx->fake.boxes.size(), 1);
    QVERIFY(fx->fake.boxes.first().prompt.startsWith(QStringLiteral("Вы миллионный кликатель!")));
    QVERIFY(!QFile::exists(marker));
}

void TestFrmStakan::sayTextRunsExescript()
{
    fx->write(QStringLiteral("text.tlk"), QStringLiteral("1\r\n>%exescript%  run.scn \r\n"));
    fx->write(QStringLiteral("run.scn"), QStringLiteral("; nothing\r\n"));
    FrmStakan &f = window();
    const QString before = f.Label1->caption();
    f.Timer1->stop();
    f.SayText(QString());
    QCOMPARE(f.Label1->caption(), before);
    // The run happened: RunScenario switched the event timer on afterwards.
    QVERIFY(f.Timer1->isActive());
    QCOMPARE(f.ScenarioLines, QStringList({"; nothing", ""}));
    // A given text is not shown either when the draw names a scenario.
    f.SayText(QStringLiteral("Привет"));
    QCOMPARE(f.Label1->caption(), before);
}

void TestFrmStakan::sayTextShowsGivenOrDrawn()
{
    fx->write(QStringLiteral("text.tlk"), QStringLiteral("1\r\n>Строка\r\nвторая\r\n"));
    FrmStakan &f = window();
    f.SayText(QString());
    QCOMPARE(f.Label1->caption(), QStringLiteral("Строка\r\nвторая\r\n"));
    QCOMPARE(f.Label1->text(), QStringLiteral("Строка\nвторая"));
    f.SayText(QStringLiteral("Своё"));
    QCOMPARE(f.Label1->caption(), QStringLiteral("Своё"));
}

void TestFrmStakan::toastSkipAndButton()
{
    fx->write(QStringLiteral("tost.tlk"), QStringLiteral("2\r\n>За нас!\r\n>За них!\r\n"));
    FrmStakan &f = window();
    f.SayToast(QString());
    QVERIFY(f.toastWindow() && f.toastWindow()->isVisible());
    QCOMPARE(fx->fake.sounds, QStringList{"warn.wav"});
    const QString first = f.toastWindow()->toast();
    QVERIFY(first.startsWith(QStringLiteral("За ")));
    f.SayToast(QString()); // open window: nothing at all
    QCOMPARE(fx->fake.sounds.size(), 1);
    QCOMPARE(f.toastWindow()->toast(), first);
    f.SayToast(QStringLiteral("\\\\frombutton"));
    QCOMPARE(fx->fake.sounds.size(), 2);
    QVERIFY(f.toastWindow()->toast() != first);
    f.SayToast(QStringLiteral("Свой тост"));
    QCOMPARE(f.toastWindow()->toast(), QStringLiteral("Свой тост"));
    // Closing unloads; the next toast loads a fresh window.
    QPointer<FrmTost> old = f.toastWindow();
    old->Command1_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(old.isNull());
    f.SayToast(QString());
    QVERIFY(f.toastWindow() && f.toastWindow()->isVisible());
    // A tool window owned by the companion, so it stays above it.
    QCOMPARE(f.toastWindow()->parentWidget(), &f);
    QVERIFY(f.toastWindow()->isWindow());
    QCOMPARE(f.toastWindow()->windowType(), Qt::Tool);
}

void TestFrmStakan::speechLabelClicks()
{
    // A click toggles the label's background; a double click counts its first
    // click only.
    FrmStakan &f = window();
    f.show();
    QList<bool> filled;
    QTest::mouseClick(f.Label1, Qt::LeftButton);
    filled << f.Label1->autoFillBackground();
    // The events of a double click: press, release, double click, release.
    QTest::mouseClick(f.Label1, Qt::LeftButton);
    QTest::mouseDClick(f.Label1, Qt::LeftButton);
    QTest::mouseRelease(f.Label1, Qt::LeftButton);
    filled << f.Label1->autoFillBackground();
    QTest::mouseClick(f.Label1, Qt::LeftButton);
    filled << f.Label1->autoFillBackground();
    QCOMPARE(filled, (QList<bool>{true, false, true}));
}

void TestFrmStakan::voiceSplit_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("arg");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("played");
    const QString tlk =
        QStringLiteral("4\r\n>a.wav\r\nЭй\r\nты\r\n>b.wav\r\n>\r\nc.wav\r\nСи\r\n>d.wav\r\n\r\n");
    QTest::newRow("phrase 1") << tlk << "\\\\1"
                              << "Эй\r\nты\r\n"
                              << ".\\wav\\a.wav";
    QTest::newRow("file line only clears label") << tlk << "\\\\2"
                                                 << ""
                                                 << ".\\wav\\b.wav";
    QTest::newRow("bare marker line") << tlk << "\\\\3"
                                      << "Си\r\n"
                                      << ".\\wav\\c.wav";
    QTest::newRow("empty caption line") << tlk << "\\\\4"
                                        << "\r\n"
                                        << ".\\wav\\d.wav";
    QTest::newRow("beyond the phrases: label kept") << tlk << "\\\\9"
                                                    << "KEEP"
                                                    << ".\\wav\\";
    QTest::newRow("a path plays unchanged") << tlk << "x\\rukidroz.wav"
                                            << "KEEP"
                                            << "x\\rukidroz.wav";
    QTest::newRow("not a number: random") << QStringLiteral("1\r\n>a.wav\r\nА\r\n") << "\\\\x"
                                          << "А\r\n"
                                          << ".\\wav\\a.wav";
}

void TestFrmStakan::voiceSplit()
{
    QFETCH(QString, file);
    QFETCH(QString, arg);
    QFETCH(QString, caption);
    QFETCH(QString, played);
    fx->write(QStringLiteral("sound.tlk"), file);
    FrmStakan &f = window();
    f.Label1->setCaption(QStringLiteral("KEEP"));
    f.SayVoice(arg);
    QCOMPARE(f.Label1->caption(), caption);
    QCOMPARE(fx->fake.sounds, QStringList{played});
    QVERIFY(fx->fake.sleeps.isEmpty()); // no shake
}

void TestFrmStakan::shakeStaysInRange_data()
{
    QTest::addColumn<bool>("windowsMove");
    QTest::newRow("the window moves") << true;
    QTest::newRow("its contents shake") << false;
}

void TestFrmStakan::shakeStaysInRange()
{
    QFETCH(bool, windowsMove);
    fx->fake.windowsMove = windowsMove;
    fx->write(QStringLiteral("sound.tlk"), QStringLiteral("1\r\n>rukidroz.wav\r\nДрожу\r\n"));
    FrmStakan &f = window();
    f.move(300, 300);
    const QPoint start = f.pos();
    QList<QPoint> seen;
    fx->fake.onYield = [&] {
        const auto *contents = f.findChild<ShakenContents *>();
        QCOMPARE(!contents, windowsMove);
        if (contents) {
            QCOMPARE(f.pos(), start);
            QVERIFY(!contents->isHidden());
            QCOMPARE(contents->geometry(), f.rect());
            seen << start + contents->offset();
        } else {
            seen << f.pos();
        }
    };
    fx->random.setValues({0.0f, 0.9999f, 0.5f});
    f.SayVoice(QString());
    QCOMPARE(fx->fake.sleeps, QList<int>(30, 100));
    QCOMPARE(seen.size(), 30);
    for (const QPoint &p : seen) {
        QVERIFY(p.x() >= start.x() - 40 && p.x() <= start.x() + 40);
        QVERIFY(p.y() >= start.y() - 40 && p.y() <= start.y() + 40);
    }
    QVERIFY(seen.contains(QPoint(start.x() - 40, start.y() + 40)));
    QCOMPARE(f.pos(), start);
    QVERIFY(!f.findChild<ShakenContents *>());
}

void TestFrmStakan::transparentPartsShowThePanel()
{
    // A sticker: opaque in the middle, transparent around it.
    QImage sticker(20, 20, QImage::Format_ARGB32);
    sticker.fill(Qt::transparent);
    for (int y = 5; y < 15; ++y)
        for (int x = 5; x < 15; ++x)
            sticker.setPixel(x, y, qRgb(0, 200, 0));
    sticker.save(fx->dir.filePath(QStringLiteral("sticker.gif")), "PNG");
    FrmStakan &f = window();
    f.Image1->image().fill(Qt::blue);
    QVERIFY(f.Image1->paintFile(QStringLiteral("sticker.gif"), 10, 10));
    QCOMPARE(f.Image1->image().pixel(12, 12), qRgb(0, 0, 255));
    QCOMPARE(f.Image1->image().pixel(20, 20), qRgb(0, 200, 0));
}

void TestFrmStakan::modalWindowsStopTheTimer_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("tag");
    for (const char *tag : {"", "no!"}) {
        QTest::addRow("riddles %s", tag) << "Command4"
                                         << "frmAm" << tag;
        QTest::addRow("readme %s", tag) << "mnuAb"
                                        << "frmAbout" << tag;
        QTest::addRow("options %s", tag) << "mnuOpt"
                                         << "frmOpt" << tag;
    }
}

void TestFrmStakan::modalWindowsStopTheTimer()
{
    QFETCH(QString, opener);
    QFETCH(QString, window);
    QFETCH(QString, tag);
    FrmStakan &f = this->window();
    f.show();
    f.Form_Load();
    f.timer1Tag = tag;
    settings().mainshown = true;
    bool timerDuring = true;
    fx->fake.onModal = [&](QWidget *w) {
        timerDuring = f.Timer1->isActive();
        QVERIFY(w->isVisible());
    };
    if (opener == QStringLiteral("Command4"))
        QTest::mouseClick(f.Command4, Qt::LeftButton);
    else
        f.mnux->findChild<QAction *>(opener)->trigger();
    QCOMPARE(fx->fake.modals, QStringList{window});
    QVERIFY(!timerDuring);
    QCOMPARE(f.Timer1->isActive(), tag.isEmpty());
}

QTEST_MAIN(TestFrmStakan)
#include "tst_frmstakan.moc"
