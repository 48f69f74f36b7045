#include "testcontext.h"

#include "companion/frmstakan.h"
#include "core/clocktimer.h"
#include "widgets/picturebox.h"
#include "widgets/shakencontents.h"
#include "widgets/vblabel.h"
#include "windows/frm1.h"
#include "windows/frmabout.h"
#include "windows/frmam.h"
#include "windows/frmcar.h"
#include "windows/frmopt.h"
#include "windows/frmscr.h"
#include "windows/frmspl.h"
#include "windows/frmtost.h"
#include "windows/options.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QtTest>

using namespace stak;

// The start dialog, the splash show, the readme window and the options dialog;
// the side windows: riddles, toast, and the pranks' caricature and frolic; and
// what only the companion window shows: its controls carry out the companion's
// decisions. Every test has a companion window, not shown.
class TestWindows : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestContext> ctx;
    std::unique_ptr<FrmStakan> stakan;

    // config.cfg with these entries, loaded into the settings.
    void configure(const QString &entries)
    {
        ctx->write("config.cfg", "; mine\r\n[Stakanych]\r\n" + entries);
        LoadSettings();
    }
    // The splash show on a 1024 x 768 screen, in virtual time.
    std::unique_ptr<FrmSpl> spl;
    void startSplash()
    {
        ctx->writeImage("logo.bmp", {300, 170}, QColor(200, 30, 30));
        spl = std::make_unique<FrmSpl>(QRect(0, 0, 1024, 768));
        spl->Form_Resize();
    }
    // Runs the show until story step n has made its changes.
    void runToStep(int n)
    {
        for (int guard = 0; guard < 100000 && spl->StoryStep < n; ++guard)
            ctx->advance(50);
        while (spl->sequenceRunning()) // the curtain's way down and up again
            ctx->advance(50);
        QCOMPARE(spl->StoryStep, n);
    }
    // Clicks the point of the window as a user would: on whatever shows there.
    void clickAt(QPoint p)
    {
        QWidget *target = spl->childAt(p);
        if (!target)
            target = spl.get();
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(spl.get(), p));
    }
    QString config() const
    {
        QFile f(ctx->dir.filePath("config.cfg"));
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    }
    // Runs a scenario in the companion window.
    void run(const QString &script)
    {
        ctx->write(u"run.scn"_qs, script);
        stakan->companion().RunScenario(u"run.scn"_qs);
    }
    template <typename T = QWidget> T *child(const QString &name)
    {
        auto *c = stakan->findChild<T *>(name);
        if (!c)
            qFatal("no control %s", qPrintable(name));
        return c;
    }
    static QList<int> numbers(const QString &text)
    {
        QList<int> n;
        for (const QString &word : text.split(' ', Qt::SkipEmptyParts))
            n << word.toInt();
        return n;
    }
    // Four riddles counted, three written: the fourth is empty.
    void writeRiddles()
    {
        ctx->write("zag.tlk", "4\r\n>Раз%BRдва\r\nОдин\r\n>Второй?\r\nДва%br\r\n>\r\nТретий?\r\n"
                              "Три\r\n");
        ctx->random.setValues({drawFor(1, 4), drawFor(2, 4), drawFor(3, 4), drawFor(4, 4)});
    }

private slots:
    void init()
    {
        ctx = std::make_unique<TestContext>();
        stakan = std::make_unique<FrmStakan>();
    }
    void cleanup()
    {
        spl.reset();
        stakan.reset();
        ctx.reset();
    }

    void startDialogShowsTheDay()
    {
        ctx->write("date.tlk", "1-12 Декабрь\r\n31-12 Канун%BR%года\r\n31-12 Второй\r\n");
        ctx->clock.set(QDateTime(QDate(2003, 12, 31), QTime(22, 15)));
        Frm1 f({});
        f.Form_Load();
        QCOMPARE(f.Label3->text(), "> До нового года - 1 час. 45 мин. <");
        QCOMPARE(f.holidayText(), "Канун\r\nгода");
        QCOMPARE(f.Text1->toPlainText(), "Канун\nгода");
    }

    void scenarioChoice_data()
    {
        // wife: zhena.tut in the temporary folder
        columns<QString, QString, QString, int, QString, bool>(
            "configured", "commandLine", "extraItem", "selected", "exescript", "wife");
        const auto row = [](const char *name, const char *configured, const char *commandLine,
                            const char *extraItem, int selected, const char *exescript,
                            bool wife = false) {
            QTest::newRow(name) << configured << commandLine << extraItem << selected << exescript
                                << wife;
        };
        row("interactive", "", "", "", 0, "");
        row("configured in other case", "B.SCN", "", "", 2, "b.scn", true);
        row("configured elsewhere", "far/away.scn", "", "", 0, "far/away.scn");
        row("command line wins", "b.scn", "my run.scn", "my run.scn", 3, "my run.scn");
        row("blank command line", "", "   ", "", 0, "");
    }
    void scenarioChoice()
    {
        const auto [configured, commandLine, extraItem, selected, exescript, wife] =
            fetch<QString, QString, QString, int, QString, bool>(
                "configured", "commandLine", "extraItem", "selected", "exescript", "wife");
        for (const char *name : {"b.scn", "A.scn", "notes.txt"})
            ctx->write(name, {});
        ctx->write("config.cfg", "[Stakanych]\r\nexescript=" + configured + "\r\nquake=7\r\n");
        if (wife)
            writeTestFile(ctx->fake.tempFolder() + "zhena.tut", {});
        Frm1 f(commandLine);
        f.Form_Load();
        QStringList items{"Нет сценария", "A.scn", "b.scn"}, shown;
        if (!extraItem.isEmpty())
            items << extraItem;
        for (int i = 0; i < f.Combo1->count(); ++i)
            shown << f.Combo1->itemText(i);
        QCOMPARE(shown, items);
        QCOMPARE(f.Combo1->currentIndex(), selected);
        QCOMPARE(settings().exescript, exescript);
        QCOMPARE(f.Label1->text(),
                 selected ? "Режим сценария: " + exescript : "Интерактивный режим");
        QCOMPARE(settings().quake, 7); // the rest of the settings loaded too
        QCOMPARE(ctx->fake.boxes.size(), wife ? 1 : 0);
        f.Combo1->setCurrentIndex(0);
        emit f.Combo1->activated(0);
        QCOMPARE(settings().exescript, QString());
        QCOMPARE(f.Label1->text(), "Интерактивный режим");
    }

    void readmeDocuments()
    {
        FrmAbout about;
        about.Form_Load();
        QCOMPARE(about.Text1->toPlainText(), QString()); // no readme.txt
        QVERIFY(about.Option1[0]->isChecked());
        ctx->write("tips.txt", "Совет первый\r\nСовет второй\r\n");
        QTest::mouseClick(about.Option1[3], Qt::LeftButton);
        QCOMPARE(about.Text1->toPlainText(), "Совет первый\nСовет второй\n");
        QTest::mouseClick(about.Option1[1], Qt::LeftButton); // no ovodke.txt
        QCOMPARE(about.Text1->toPlainText(), "Совет первый\nСовет второй\n");
    }

    void optionsOpenAndSave_data()
    {
        // shown: Text1, Text2, Text4(0..2), Text5; chances: set before saving (or cancelling),
        // empty: untouched; written: the lines of config.cfg that changed
        columns<QString, QString, QString, QString, QString>("entries", "shown", "chances",
                                                             "stored", "written");
        const auto row = [](const char *name, const char *entries, const char *shown,
                            const char *chances, const char *stored, const char *written) {
            QTest::newRow(name) << entries << shown << chances << stored << written;
        };
        const char *defaults = "50 60 50 30 20 0";
        row("no change", "", defaults, "", "50 30 20", "");
        // Truncated, each from the total before any changed.
        row("70 40 0", "", defaults, "70 40 0", "63 36 0", "textver=63 tostver=36 voicever=0");
        row("cancelled: nothing stored or written", "", defaults, "10 30 20 cancel", "50 30 20",
            "");
        row("total of 100 stays", "", defaults, "50 50 0", "50 50 0", "tostver=50 voicever=0");
        row("stored 50 60 20, untouched", "textver=50\r\ntostver=60\r\nvoicever=20\r\n",
            "50 60 50 60 20 0", "", "38 46 15", "textver=38 tostver=46 voicever=15");
        row("lowest bar values, own picture",
            "BaseIntervalFrom=10\r\nBaseIntervalTo=10\r\ntextver=0\r\n"
            "randompic=1\r\nmypic=a.bmp\r\n",
            "10 10 0 30 20 1", "", "0 30 20", "");
        row("beyond the bars, untouched",
            "BaseIntervalFrom=3\r\nBaseIntervalTo=7\r\ntextver=-5\r\nrandompic=30\r\n",
            "3 7 -5 30 20 30", "", "-5 30 20", "");
    }
    void optionsOpenAndSave()
    {
        const auto [entries, shown, chances, stored, written] =
            fetch<QString, QString, QString, QString, QString>("entries", "shown", "chances",
                                                               "stored", "written");
        configure(entries);
        const QStringList before = config().split("\r\n");
        const Settings was = settings();
        FrmOpt o(nullptr);
        o.Form_Load();
        QStringList texts;
        for (QLineEdit *t : {o.Text1, o.Text2, o.Text4[0], o.Text4[1], o.Text4[2], o.Text5})
            texts << t->text();
        QCOMPARE(texts.join(' '), shown);
        const bool ownPicture = was.mypic != "alk1.bmp";
        QCOMPARE(o.Check1->isChecked(), ownPicture);
        QCOMPARE(o.Text3->isEnabled() && o.Command1->isEnabled(), ownPicture);
        QCOMPARE(o.Text3->text(), was.mypic);
        QCOMPARE(o.HScroll4->isEnabled(), was.randompic != 0);

        const bool cancel = chances.endsWith("cancel");
        const QList<int> bars = numbers(QString(chances).remove("cancel"));
        for (int i = 0; i < bars.size(); ++i)
            o.HScroll3[i]->setValue(bars[i]);
        QTest::mouseClick(cancel ? o.Command4 : o.Command3, Qt::LeftButton);
        QCOMPARE((QList<int>{settings().textver, settings().tostver, settings().voicever}),
                 numbers(stored));
        if (!cancel) // the boxes show what was stored
            QCOMPARE(o.Text4[0]->text() + ' ' + o.Text4[1]->text() + ' ' + o.Text4[2]->text(),
                     stored);
        // Exactly the changed keys are written, each in place of its old entry
        // or else at the end.
        const QStringList after = config().split("\r\n");
        QStringList changed;
        for (int i = 0; i < after.size(); ++i)
            if (i >= before.size() || after[i] != before[i])
                changed << after[i];
        QCOMPARE(changed.join(' ').trimmed(), written);
        QCOMPARE(settings().BaseIntervalFrom, was.BaseIntervalFrom);
        QCOMPARE(settings().mypic, was.mypic);
        QVERIFY(ctx->fake.boxes.isEmpty());
        QVERIFY(!o.isVisible());
    }

    void optionsDialog()
    {
        configure("mypic=my.bmp\r\nrandompic=25\r\n");
        ctx->writeImage("alk1.bmp", {100, 50}, Qt::red);
        ctx->writeImage("pics/Kot.BMP", {4, 4}, Qt::gray); // authored on Windows
        ctx->writeImage("pics/stol.jpg", {4, 4}, Qt::gray);
        PictureBox panel({433, 225});
        panel.image().fill(Qt::blue);
        FrmOpt o(&panel);
        o.Form_Load();
        // The interval bars pull each other along; neither passes the other.
        o.HScroll1->setValue(58);
        QCOMPARE(o.HScroll2->value(), 60);
        o.HScroll1->setValue(60);
        o.HScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd); // already at the end
        QCOMPARE(o.HScroll2->value(), 60);
        o.HScroll2->setValue(20);
        QCOMPARE(o.HScroll1->value(), 20);
        QCOMPARE(o.Text1->text(), "20");
        o.HScroll1->setValue(45);
        QCOMPARE(o.HScroll2->value(), 45);
        QCOMPARE(o.Text2->text(), "45");
        // "Подробнее..." opens the notes on pictures.
        QTest::mouseClick(o.Command5, Qt::LeftButton);
        QCOMPARE(ctx->fake.textFiles, QStringList{".\\pics\\pics.txt"});

        // The chooser folds out, lists by type and folds in with the choice.
        QCOMPARE(ChosenPicturePath("/", "alk1.bmp"), "/alk1.bmp");
        QCOMPARE(ChosenPicturePath("/home/pics", ""), "/home/pics/");
        QTest::mouseClick(o.Command1, Qt::LeftButton);
        QCOMPARE(o.outerWidthTwips(), 7725);
        QVERIFY(o.File1->isEnabled() && o.Command2->isEnabled());
        const QString pics = QDir::cleanPath(ctx->dir.filePath("pics"));
        o.showFolder(pics);
        QCOMPARE(o.File1->count(), 1);
        QCOMPARE(o.File1->item(0)->text(), "Kot.BMP");
        QTest::mouseClick(o.Option[1], Qt::LeftButton);
        QCOMPARE(o.File1->item(0)->text(), "stol.jpg");
        o.File1->setCurrentRow(0);
        QTest::mouseClick(o.Command2, Qt::LeftButton);
        QCOMPARE(o.Text3->text(), pics + "/stol.jpg");
        QCOMPARE(o.outerWidthTwips(), 5520);
        QVERIFY(!o.File1->isEnabled());

        // Both boxes unticked: the default picture, painted at the corner over
        // what was there, and no picture changes.
        QTest::mouseClick(o.Check1, Qt::LeftButton);
        QVERIFY(!o.Text3->isEnabled());
        QCOMPARE(o.Text5->text(), "25");
        QTest::mouseClick(o.Check2, Qt::LeftButton);
        QCOMPARE(o.Text5->text(), "0");
        QVERIFY(!o.HScroll4->isEnabled());
        QTest::mouseClick(o.Command3, Qt::LeftButton);
        QCOMPARE(settings().mypic, "alk1.bmp");
        QCOMPARE(settings().randompic, 0);
        QCOMPARE(settings().BaseIntervalFrom, 45000);
        for (const char *entry : {"mypic=alk1.bmp\r\n", "randompic=0\r\n", "BaseIntervalTo=45\r\n"})
            QVERIFY2(config().contains(entry), entry);
        QCOMPARE(panel.image().pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(panel.image().pixel(99, 49), qRgb(255, 0, 0));
        QCOMPARE(panel.image().pixel(200, 100), qRgb(0, 0, 255));
    }

    void optionsFailuresAreTold()
    {
        // A folder where the file should be: no file can be written there, not
        // even by root.
        QVERIFY(QDir(ctx->dir.path()).mkdir("config.cfg"));
        FrmOpt o(nullptr);
        o.Form_Load();
        o.HScroll3[0]->setValue(10);
        o.HScroll3[1]->setValue(10);
        QTest::mouseClick(o.Check1, Qt::LeftButton);
        o.Text3->setText("missing.bmp");
        QTest::mouseClick(o.Command3, Qt::LeftButton);
        // One box for the file, whatever the number of keys; the values apply.
        QCOMPARE(ctx->fake.boxes.size(), 1);
        QVERIFY(ctx->fake.boxes[0].prompt.contains("config.cfg"));
        QCOMPARE(settings().textver, 10);
        QCOMPARE(settings().mypic, "missing.bmp");
        // A main picture that cannot be loaded is told too.
        ctx->fake.boxes.clear();
        QVERIFY(QDir(ctx->dir.path()).rmdir("config.cfg"));
        PictureBox panel({433, 225});
        FrmOpt withPanel(&panel);
        withPanel.Form_Load();
        withPanel.Text3->setText("other-missing.bmp");
        QTest::mouseClick(withPanel.Command3, Qt::LeftButton);
        QCOMPARE(ctx->fake.boxes.size(), 1);
        QVERIFY(ctx->fake.boxes[0].prompt.contains("other-missing.bmp"));
    }

    void introDrawsAndWipesTheLogo()
    {
        startSplash();
        const QImage &canvas = spl->canvas();
        QCOMPARE(canvas.pixel(362, 299), qRgb(200, 30, 30));
        // Wiped away by bands after 3 s, 50 ms a pass.
        ctx->advance(3000 + 8 * 50);
        QCOMPARE(canvas.pixel(400, 299 + 9), qRgb(200, 30, 30));
        ctx->advance(9 * 50);
        for (int y = 299; y <= 486; ++y)
            for (int x = 362; x <= 662; ++x)
                QVERIFY2(canvas.pixel(x, y) == qRgb(0, 0, 0),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        QVERIFY(ctx->fake.music.isEmpty());
    }

    void storyRunsItsCourse()
    {
        startSplash();
        QList<qint64> ticks;
        const QDateTime start = ctx->clock.now();
        connect(spl->Timer1, &ClockTimer::timeout, this,
                [&] { ticks << start.msecsTo(ctx->clock.now()); });
        QSignalSpy finished(spl.get(), &FrmSpl::finished);
        spl->show();
        ctx->advance(14400); // the intro ends after 14.4 s with the tune
        QCOMPARE(ctx->fake.music, QStringList{"play title.mp3"});

        const QPoint prompt = spl->Label5->geometry().center();
        for (int step : {2, 16, 18, 19, 20, 21}) {
            runToStep(step);
            QCOMPARE(spl->Label6->caption(), SplashStory()[qMin(step, 17) - 1].text);
            QCOMPARE(spl->Frame1->y(), 385); // the curtain waits below the line
            QCOMPARE(!spl->Label7->isHidden(), step >= 18);
            // Clicked before it shows, the prompt does nothing; then it blinks, on
            // white at odd steps.
            if (step < 18)
                clickAt(prompt);
            else
                QCOMPARE(spl->Label5->palette().color(QPalette::Window) == Qt::white,
                         step % 2 == 1);
        }
        QCOMPARE(finished.size(), 0);

        // 6 s to the first step, 114 s to the last, and 0.3 s more for each of
        // the 11 steps that set their new interval once their curtain (6
        // positions, 50 ms apart) has covered the line.
        QCOMPARE(ticks.value(0), 14400 + 6000);
        QCOMPARE(ticks.value(20), 14400 + 114000 + 11 * 300);
        // After the last step nothing changes any more, until the prompt is
        // clicked.
        const QString line = spl->Label6->caption();
        ctx->advance(60000);
        QCOMPARE(ticks.size(), 21);
        QCOMPARE(spl->Label6->caption(), line);
        clickAt(prompt);
        QCOMPARE(finished.size(), 1);
    }

    void f5EndsAtAnyMoment_data()
    {
        QTest::addColumn<int>("after");
        QTest::newRow("logo") << 1000;
        QTest::newRow("story") << 40000;
    }
    void f5EndsAtAnyMoment()
    {
        startSplash();
        QFETCH(int, after);
        QSignalSpy finished(spl.get(), &FrmSpl::finished);
        QSignalSpy closed(spl.get(), &FrmSpl::closedByUser);
        spl->show();
        ctx->advance(after);
        QTest::keyClick(spl.get(), Qt::Key_A);
        QVERIFY(spl->isVisible());
        QTest::keyClick(spl.get(), Qt::Key_F5, Qt::ControlModifier);
        QVERIFY(!spl->isVisible());
        QCOMPARE(finished.size(), 1);
        QCOMPARE(closed.size(), 0);
        // Nothing goes on afterwards: no drawing, no tune.
        const int step = spl->StoryStep;
        const QImage canvas = spl->canvas();
        ctx->advance(200000);
        QCOMPARE(spl->StoryStep, step);
        QCOMPARE(spl->canvas(), canvas);
        QStringList music{"stop title.mp3", "close title.mp3"};
        if (after > 14400)
            music.prepend("play title.mp3");
        QCOMPARE(ctx->fake.music, music);
    }

    void missingTuneLeavesAnEmptyFile()
    {
        startSplash();
        QFileInfo tune(ctx->dir.filePath("title.mp3"));
        QVERIFY(tune.exists());
        QCOMPARE(tune.size(), 0);
        // Any other close ends the show and stops the tune, without the readme.
        QSignalSpy closed(spl.get(), &FrmSpl::closedByUser);
        spl->close();
        QCOMPARE(closed.size(), 1);
        QCOMPARE(ctx->fake.music, (QStringList{"stop title.mp3", "close title.mp3"}));
        // An installed tune is not hidden behind an empty file of the user's.
        spl.reset();
        QVERIFY(QFile::remove(tune.filePath()));
        QTemporaryDir share;
        setInstalledContentFolder(share.path());
        writeTestFile(share.filePath("title.mp3"), "ID3");
        spl = std::make_unique<FrmSpl>(QRect(0, 0, 1024, 768));
        spl->Form_Resize();
        QVERIFY(!QFileInfo::exists(tune.filePath()));
    }

    void riddles()
    {
        writeRiddles();
        FrmAm w;
        w.Form_Load();
        // The question and the answer line after each click.
        const struct
        {
            QPushButton *click;
            const char *question, *line;
        } steps[] = {
            {nullptr, "Раз\nдва", "Ответ:"}, // "%br" in any case breaks the line
            // Skipped: the answer comes with the next riddle.
            {w.Command2, "Второй?", "Ответ на предыдущую: Один\r\n"},
            {w.Command1, "Второй?", "Два%br\r\n"}, // "%br" stays in the answer
            {w.Command2, "\nТретий?", ""},         // a bare marker line
            // An empty riddle keeps the answer before it.
            {w.Command2, "", "Ответ на предыдущую: Три\r\n"},
            {w.Command1, "", "Три\r\n"},
        };
        for (const auto &s : steps) {
            if (s.click)
                QTest::mouseClick(s.click, Qt::LeftButton);
            QCOMPARE(w.Text1->toPlainText(), s.question);
            QCOMPARE(w.Label1->caption(), s.line);
            QCOMPARE(w.Command1->isEnabled(), s.click != w.Command1);
        }
        // The size box; what is no size changes nothing.
        QCOMPARE(w.Combo1->currentText(), "10");
        QCOMPARE(w.Text1->font().pointSizeF(), 10.0);
        w.Combo1->setCurrentIndex(w.Combo1->findText("24"));
        emit w.Combo1->activated(w.Combo1->currentIndex());
        QCOMPARE(w.Text1->font().pointSizeF(), 24.0);
        for (const char *typed : {"крупно", "", "-3", "13"}) {
            w.Combo1->setEditText(QString::fromUtf8(typed));
            QTest::keyClick(w.Combo1->lineEdit(), Qt::Key_Return);
            QCOMPARE(w.Text1->font().pointSizeF(), *typed == '1' ? 13.0 : 24.0);
        }
    }

    void riddlesDoNotRepeatAcrossOpenings()
    {
        // The same draw twice: the second opening must not ask the first riddle.
        writeRiddles();
        ctx->random.setValues({drawFor(1, 4), drawFor(1, 4), drawFor(2, 4)});
        {
            FrmAm first;
            first.Form_Load();
            QCOMPARE(first.question(), "Раз\r\nдва");
        }
        FrmAm second;
        second.Form_Load();
        QCOMPARE(second.question(), "Второй?");
    }

    void toast()
    {
        FrmTost t;
        t.setToast("За тех,\r\nкто в море!\r\n");
        QCOMPARE(t.Text1->toPlainText(), "За тех,\nкто в море!\n");
        QCOMPARE(t.toast(), "За тех,\r\nкто в море!\r\n");
        QVERIFY(!t.Text1->isReadOnly());
        // "Шрифт" makes the window tall enough for the font row, and short again.
        for (bool rowShown : {false, true, false}) {
            QCOMPARE(t.Combo1->geometry().bottom() < t.height(), rowShown);
            QTest::mouseClick(t.Command2, Qt::LeftButton);
        }
        // The empty entries keep the font.
        QVERIFY(t.Check1->isChecked() && t.Text1->font().bold());
        for (int size : {15, 0}) {
            t.Combo2->setCurrentIndex(size);
            t.Combo2_Click();
            QCOMPARE(t.Text1->font().pointSizeF(), 24.0);
        }
        const QString family = t.Combo1->itemText(1);
        for (int font : {1, 0}) {
            t.Combo1->setCurrentIndex(font);
            t.Combo1_Click();
            QCOMPARE(t.Text1->font().family(), family);
        }
        t.Check1->setChecked(false);
        t.Check1_Click();
        QVERIFY(!t.Text1->font().bold());
    }

    void caricature()
    {
        ctx->writeImage("fon.bmp", {500, 420}, Qt::yellow);
        ctx->writeImage("a.gif", {40, 30}, Qt::cyan);
        ctx->writeImage("b.jpg", {20, 10}, Qt::magenta);
        ctx->write("broken.jpg", "not a picture");
        QPointer<FrmCar> car = new FrmCar;
        // Pictures that cannot be loaded leave the window as it was.
        QVERIFY(car->toonpic("fon.bmp"));
        QVERIFY(!car->toonpic("broken.jpg"));
        QVERIFY(!car->toonminipic("missing.gif"));
        QCOMPARE(car->backgroundPicture().size(), QSize(500, 420));
        QVERIFY(car->Picture1->isHidden());
        // Close offered before the window shows: the button comes with it.
        car->toonclose();
        QVERIFY(!car->isVisible());
        car->toon();
        QVERIFY(car->isVisible() && car->Command1->isVisible());
        QVERIFY(car->toonminipic("a.gif"));
        car->toonminihide();
        QVERIFY(car->Picture1->isHidden());
        QVERIFY(car->toonminipic("b.jpg"));
        QVERIFY(car->Picture1->isVisible());
        QCOMPARE(car->innerPicture().size(), QSize(20, 10));
        // Shown from the top-left at its own size, the rest of the box empty.
        const QImage shot = car->Picture1->grab().toImage();
        QVERIFY(QColor(shot.pixel(5, 5)).red() > 200 && QColor(shot.pixel(5, 5)).green() < 60);
        QVERIFY(shot.pixel(100, 100) != shot.pixel(5, 5));
        // The user presses Close: the next command finds a fresh window.
        QTest::mouseClick(car->Command1, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(car.isNull());
        FrmCar fresh;
        fresh.toon();
        QVERIFY(fresh.isVisible() && fresh.Picture1->isHidden() && fresh.Command1->isHidden());
        QVERIFY(fresh.backgroundPicture().isNull() && fresh.innerPicture().isNull());
    }

    void frolicShowsThePicture()
    {
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        settings().quake = 3;
        // The offsets of the steps: left first, then top.
        ctx->random.setValues({0.0f, 0.99999f, 0.5f, 0.5f, 0.9f, 0.3f});
        FrmScr scr;
        QList<QPoint> offsets;
        ctx->fake.onYield = [&] {
            QVERIFY(scr.isVisible() && scr.isFullScreen());
            QCOMPARE(scr.image(), picture);
            offsets << scr.offset();
        };
        scr.play(picture, QRect(0, 0, 64, 48));
        // Each step shows the offset drawn by the step before (±40 twips, about
        // three pixels), the first one the unmoved copy; then the window closes.
        QCOMPARE(offsets, (QList<QPoint>{{0, 0}, {3, -3}, {0, 0}}));
        QVERIFY(!scr.isVisible());
        // What an offset uncovers is black.
        scr.show();
        QCOMPARE(scr.grab().toImage().pixel(0, 0), qRgb(0, 0, 0));
    }

    void frolicIsPacedAndEnds_data()
    {
        // stop: at the third step (Escape: frolic_e2e); frames: steps shown to the end; frameMs:
        // the shortest wait; the longest is 1 ms more
        columns<qreal, QString, int, int, int>("refresh", "stop", "frames", "frameMs", "total");
        QTest::newRow("60 Hz") << qreal(60) << "" << 300 << 16 << 5000;
        QTest::newRow("unknown: 60 Hz") << qreal(0) << "" << 300 << 16 << 5000;
        QTest::newRow("144 Hz") << qreal(144) << "" << 300 << 6 << 2083;
        QTest::newRow("click") << qreal(60) << "click" << 2 << 16 << 33;
        QTest::newRow("closed") << qreal(60) << "closed" << 2 << 16 << 33;
    }
    void frolicIsPacedAndEnds()
    {
        const auto [refresh, stopAt, frames, frameMs, total] =
            fetch<qreal, QString, int, int, int>("refresh", "stop", "frames", "frameMs", "total");
        const QString stop = stopAt; // captured below
        ctx->fake.refresh = refresh;
        ctx->fake.pumpQtEvents = true;
        settings().quake = stop.isEmpty() ? 300 : 100000;
        const QDateTime start = ctx->clock.now();
        bool focused = false;
        FrmScr scr;
        ctx->fake.onYield = [&] {
            if (stop.isEmpty() || ctx->fake.eventPumps != 3)
                return;
            focused = scr.hasFocus();
            if (stop == "click")
                QTest::mouseClick(&scr, Qt::LeftButton, {}, QPoint(10, 10));
            else
                scr.close();
        };
        scr.play(QImage(64, 48, QImage::Format_RGB32), QRect(0, 0, 64, 48));
        // One frame a step, the time passing on the program clock; a stop
        // ends it at the step after, the window gone.
        QCOMPARE(focused, !stop.isEmpty());
        QCOMPARE(ctx->fake.eventPumps, stop.isEmpty() ? frames : frames + 1);
        QCOMPARE(ctx->fake.frameWaits.size(), frames);
        for (qint64 ms : std::as_const(ctx->fake.frameWaits))
            QVERIFY2(ms == frameMs || ms == frameMs + 1, qPrintable(QString::number(ms)));
        QCOMPARE(start.msecsTo(ctx->clock.now()), total);
        QVERIFY(ctx->fake.sleeps.isEmpty());
        QVERIFY(!scr.isVisible());
    }

    void loadShowsContent()
    {
        ctx->write(u"user.but"_qs, u"Первая\r\n%>!<%Тайная\r\n"_qs);
        ctx->write(u"sound.tlk"_qs, u"2\r\n>a.wav\r\nПервая\r\n>b.wav\r\nВторая\r\n"_qs);
        ctx->write(u"go.scn"_qs, u"showbutton 2\r\npic sticker.gif\r\n"_qs);
        QImage tile(100, 100, QImage::Format_RGB32);
        tile.fill(Qt::green);
        tile.setPixel(0, 0, qRgb(255, 0, 0));
        tile.save(ctx->dir.filePath(u"tex.bmp"_qs));
        // A sticker: opaque in the middle, transparent around it.
        QImage sticker(20, 20, QImage::Format_ARGB32);
        sticker.fill(Qt::transparent);
        for (int y = 5; y < 15; ++y)
            for (int x = 5; x < 15; ++x)
                sticker.setPixel(x, y, qRgb(0, 200, 0));
        sticker.save(ctx->dir.filePath(u"sticker.gif"_qs), "PNG");
        settings().texture = u"tex.bmp"_qs;
        settings().exescript = u"go.scn"_qs;
        stakan->Form_Load();

        // The hidden button, shown by the scenario, with its caption.
        QCOMPARE(child<QPushButton>(u"cmdU2"_qs)->text(), u"Тайная"_qs);
        QVERIFY(!child(u"cmdU2"_qs)->isHidden());
        QStringList items;
        for (QAction *a : child<QMenu>(u"mtost"_qs)->actions())
            items << a->objectName() + u' ' + a->text();
        QCOMPARE(items, (QStringList{"mtx0 ", "mtx1 Первая", "mtx2 Вторая"}));
        // Texture tiles at every 100 pixels; the sticker's transparent parts show
        // the panel beneath.
        const QImage shot = stakan->grab().toImage();
        QCOMPARE(shot.pixel(0, 300), qRgb(255, 0, 0));
        QCOMPARE(shot.pixel(1, 300), qRgb(0, 255, 0));
        const QImage &panel = child<PictureBox>(u"Image1"_qs)->image();
        QCOMPARE(panel.pixel(2, 2), panel.pixel(100, 100));
        QCOMPARE(panel.pixel(6, 6), qRgb(0, 200, 0));
    }

    void speechLine()
    {
        stakan->show();
        auto *line = child<VbLabel>(u"Label1"_qs);
        stakan->companion().SayText(u"Строка\r\nвторая\r\n"_qs);
        QCOMPARE(line->text(), u"Строка\nвторая"_qs);
        // A click toggles the line's background; a double click counts its first
        // click only: press, release, double click, release.
        QList<bool> filled;
        QTest::mouseClick(line, Qt::LeftButton);
        filled << line->autoFillBackground();
        QTest::mouseClick(line, Qt::LeftButton);
        QTest::mouseDClick(line, Qt::LeftButton);
        QTest::mouseRelease(line, Qt::LeftButton);
        filled << line->autoFillBackground();
        QCOMPARE(filled, (QList<bool>{true, false}));
    }

    void toastWindow()
    {
        ctx->write(u"tost.tlk"_qs, u"2\r\n>За нас!\r\n>За них!\r\n"_qs);
        QTest::mouseClick(child(u"Command2"_qs), Qt::LeftButton);
        QPointer<FrmTost> toast = stakan->findChild<FrmTost *>();
        QVERIFY(toast && toast->isVisible());
        // A tool window owned by the companion, so it stays above it.
        QCOMPARE(toast->parentWidget(), stakan.get());
        QCOMPARE(toast->windowType(), Qt::Tool);
        // Closing unloads it (a next one opening: screens_e2e).
        toast->Command1_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(toast.isNull());
    }

    void shake_data()
    {
        QTest::addColumn<bool>("windowsMove");
        QTest::newRow("the window moves") << true;
        QTest::newRow("its contents shake") << false;
    }

    void shake()
    {
        QFETCH(bool, windowsMove);
        ctx->fake.windowsMove = windowsMove;
        ctx->write(u"sound.tlk"_qs, u"1\r\n>rukidroz.wav\r\nДрожу\r\n"_qs);
        stakan->move(300, 300);
        const QPoint start = stakan->pos();
        QList<QPoint> seen;
        ctx->fake.onYield = [&] {
            const auto *contents = stakan->findChild<ShakenContents *>();
            QCOMPARE(!contents, windowsMove);
            if (contents) {
                QCOMPARE(stakan->pos(), start);
                QCOMPARE(contents->geometry(), stakan->rect());
            }
            seen << (contents ? start + contents->offset() : stakan->pos());
        };
        ctx->random.setValues({0.0f, 0.9999f, 0.5f});
        QTest::mouseClick(child(u"Command1"_qs), Qt::LeftButton);
        QCOMPARE(ctx->fake.sleeps, QList<int>(30, 100));
        QVERIFY(seen.contains(start + QPoint(-40, 40)));
        QCOMPARE(stakan->pos(), start);
        QVERIFY(!stakan->findChild<ShakenContents *>());
    }

    void readmeFromThePictureMenu()
    {
        // (The riddles' button and the options' menu item: screens_e2e and
        // install_e2e open them.)
        stakan->show();
        ctx->fake.onModal = [&](QWidget *side) {
            QVERIFY(side->isVisible());
            QCOMPARE(side->parentWidget(), stakan.get());
        };
        child<QMenu>(u"mnux"_qs)->findChild<QAction *>(u"mnuAb"_qs)->trigger();
        QCOMPARE(ctx->fake.modals, QStringList{u"frmAbout"_qs});
    }

    void pictureMenuOnlyBetweenRuns()
    {
        stakan->show();
        auto *menu = child<QMenu>(u"mnux"_qs);
        ctx->write(u"a.scn"_qs, u"sleep 1\r\n"_qs);
        bool shownDuring = true;
        ctx->fake.onYield = [&] {
            QTest::mousePress(child(u"Image1"_qs), Qt::RightButton);
            shownDuring = menu->isVisible();
            QVERIFY(!child(u"Command5"_qs)->isEnabled());
        };
        stakan->companion().RunScenario(u"a.scn"_qs);
        QVERIFY(!shownDuring);
        QVERIFY(child(u"Command5"_qs)->isEnabled());
        QTest::mousePress(child(u"Image1"_qs), Qt::LeftButton);
        QVERIFY(menu->isVisible());
        menu->hide();
    }

    void scenarioCommandsShow()
    {
        ctx->writeImage(u"a.bmp"_qs, {5, 5}, Qt::red);
        auto *panel = child<PictureBox>(u"Image1"_qs);
        panel->image().fill(Qt::white);
        // (The caricature's commands reach its window: painting_e2e.)
        run(u"picx 10\r\npicy 20\r\npic a.bmp\r\npicframe 0\r\npicvisible 0\r\n"
            "showbutton 5\r\nhidebutton 1"_qs);
        const QImage &img = panel->image();
        QCOMPARE(img.pixelColor(10, 20), QColor(Qt::red));
        QCOMPARE(img.pixelColor(14, 24), QColor(Qt::red));
        QCOMPARE(img.pixelColor(9, 20), QColor(Qt::white));
        QCOMPARE(img.pixelColor(15, 24), QColor(Qt::white));
        QVERIFY(!panel->hasBorder() && panel->isHidden());
        QVERIFY(!child(u"cmdU5"_qs)->isHidden() && child(u"cmdU1"_qs)->isHidden());
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
