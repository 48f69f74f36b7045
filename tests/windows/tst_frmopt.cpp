#include "testcontext.h"

#include "widgets/picturebox.h"
#include "windows/frmopt.h"
#include "windows/options.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

using namespace stak;

class TestOptions : public QObject
{
    Q_OBJECT
private slots:
    void init() { ctx = std::make_unique<TestContext>(); }
    void cleanup() { ctx.reset(); }

    void barsPullEachOther();
    void opensWithTheSettings_data();
    void opensWithTheSettings();
    void saving_data();
    void saving();
    void mainPicture();
    void chooser_data();
    void chooser();
    void randomPictureOff();
    void failuresAreTold();
    void cancelAndDetails();

private:
    // config.cfg with these entries, loaded into the settings.
    void configure(const QString &entries)
    {
        ctx->write(QStringLiteral("config.cfg"),
                   QStringLiteral("; mine\r\n[Stakanych]\r\n") + entries);
        LoadSettings();
    }
    QByteArray config() const
    {
        QFile f(ctx->dir.filePath(QStringLiteral("config.cfg")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    std::unique_ptr<TestContext> ctx;
};

void TestOptions::barsPullEachOther()
{
    FrmOpt o(nullptr);
    o.Form_Load(); // 50 .. 60
    o.HScroll1->setValue(58);
    QCOMPARE(o.HScroll2->value(), 60);
    o.HScroll1->setValue(60);
    o.HScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd); // already at the end
    QCOMPARE(o.HScroll2->value(), 60);
    o.HScroll2->setValue(20);
    QCOMPARE(o.HScroll1->value(), 20);
    QCOMPARE(o.Text1->text(), u"20"_qs);
    o.HScroll1->setValue(45);
    QCOMPARE(o.HScroll2->value(), 45);
    QCOMPARE(o.Text2->text(), u"45"_qs);
}

void TestOptions::opensWithTheSettings_data()
{
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QStringList>("mirrors"); // Text1, Text2, Text4(0..2), Text5
    QTest::addColumn<bool>("ownPicture");
    QTest::newRow("defaults") << "" << QStringList{"50", "60", "50", "30", "20", "0"} << false;
    QTest::newRow("lowest bar values")
        << "BaseIntervalFrom=10\r\nBaseIntervalTo=10\r\ntextver=0\r\nrandompic=1\r\nmypic=a.bmp\r\n"
        << QStringList{"10", "10", "0", "30", "20", "1"} << true;
    QTest::newRow("beyond the bars")
        << "BaseIntervalFrom=3\r\nBaseIntervalTo=7\r\ntextver=-5\r\ntostver=150\r\n"
        << QStringList{"3", "7", "-5", "150", "20", "0"} << false;
}

void TestOptions::opensWithTheSettings()
{
    QFETCH(QString, entries);
    QFETCH(QStringList, mirrors);
    QFETCH(bool, ownPicture);
    configure(entries);
    FrmOpt o(nullptr);
    o.Form_Load();
    QCOMPARE((QStringList{o.Text1->text(), o.Text2->text(), o.Text4[0]->text(), o.Text4[1]->text(),
                          o.Text4[2]->text(), o.Text5->text()}),
             mirrors);
    QCOMPARE(o.Check1->isChecked(), ownPicture);
    QCOMPARE(o.Text3->isEnabled(), ownPicture);
    QCOMPARE(o.Command1->isEnabled(), ownPicture);
    QCOMPARE(o.Text3->text(), settings().mypic);
    QCOMPARE(o.HScroll4->isEnabled(), settings().randompic != 0);
    QCOMPARE(o.outerWidthTwips(), 5520);
    QVERIFY(!o.File1->isEnabled());
}

void TestOptions::saving_data()
{
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QList<int>>("bars"); // empty: untouched
    QTest::addColumn<QList<int>>("stored");
    QTest::addColumn<QStringList>("written");
    QTest::newRow("60 60 60") << "" << QList<int>{60, 60, 60} << QList<int>{33, 33, 33}
                              << QStringList{"textver=33", "tostver=33", "voicever=33"};
    QTest::newRow("total of 100 stays") << "" << QList<int>{50, 50, 0} << QList<int>{50, 50, 0}
                                        << QStringList{"tostver=50", "voicever=0"};
    QTest::newRow("100 100 100") << "" << QList<int>{100, 100, 100} << QList<int>{33, 33, 33}
                                 << QStringList{"textver=33", "tostver=33", "voicever=33"};
    QTest::newRow("70 40 0") << "" << QList<int>{70, 40, 0} << QList<int>{63, 36, 0}
                             << QStringList{"textver=63", "tostver=36", "voicever=0"};
    QTest::newRow("stored 50 60 20, untouched")
        << "textver=50\r\ntostver=60\r\nvoicever=20\r\n"
        << QList<int>{} << QList<int>{38, 46, 15}
        << QStringList{"textver=38", "tostver=46", "voicever=15"};
    QTest::newRow("no change") << "" << QList<int>{} << QList<int>{50, 30, 20} << QStringList{};
    QTest::newRow("beyond the bars, untouched")
        << "BaseIntervalFrom=3\r\nBaseIntervalTo=7\r\ntextver=-5\r\nrandompic=30\r\n"
        << QList<int>{} << QList<int>{-5, 30, 20} << QStringList{};
}

void TestOptions::saving()
{
    QFETCH(QString, entries);
    QFETCH(QList<int>, bars);
    QFETCH(QList<int>, stored);
    QFETCH(QStringList, written);
    configure(entries);
    const QByteArray before = config();
    const Settings was = settings();
    FrmOpt o(nullptr);
    o.Form_Load();
    for (int i = 0; i < bars.size(); ++i)
        o.HScroll3[i]->setValue(bars[i]);
    QTest::mouseClick(o.Command3, Qt::LeftButton);
    QCOMPARE((QList<int>{settings().textver, settings().tostver, settings().voicever}), stored);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(o.Text4[i]->text(), QString::number(stored[i]));
    // Exactly the changed keys are written, each in place of its old entry.
    QString expected = QString::fromLatin1(before);
    QStringList added;
    for (const QString &entry : written) {
        const QString key = entry.section(QLatin1Char('='), 0, 0);
        QRegularExpression line(QStringLiteral("(?im)^%1=[^\\r\\n]*").arg(key));
        if (expected.contains(line))
            expected.replace(line, entry);
        else
            added << entry;
    }
    for (const QString &entry : added)
        expected += entry + QStringLiteral("\r\n");
    QCOMPARE(QString::fromLatin1(config()), expected);
    QCOMPARE(settings().BaseIntervalFrom, was.BaseIntervalFrom);
    QCOMPARE(settings().mypic, was.mypic);
    QVERIFY(ctx->fake.boxes.isEmpty());
    QVERIFY(!o.isVisible());
}

void TestOptions::mainPicture()
{
    configure(QStringLiteral("MyPic=my.bmp\r\n"));
    ctx->writeImage(QStringLiteral("alk1.bmp"), {100, 50}, Qt::red);
    PictureBox panel({433, 225});
    panel.image().fill(Qt::blue);
    FrmOpt o(&panel);
    o.Form_Load();
    QVERIFY(o.Check1->isChecked());
    QTest::mouseClick(o.Check1, Qt::LeftButton);
    QVERIFY(!o.Text3->isEnabled());
    QTest::mouseClick(o.Command3, Qt::LeftButton);
    QCOMPARE(settings().mypic, u"alk1.bmp"_qs);
    QVERIFY(config().contains("MyPic=alk1.bmp\r\n"));
    // Painted at the corner over what was there, without clearing.
    QCOMPARE(panel.image().pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(panel.image().pixel(99, 49), qRgb(255, 0, 0));
    QCOMPARE(panel.image().pixel(200, 100), qRgb(0, 0, 255));
}

void TestOptions::chooser_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("path");
    QTest::newRow("root") << "/"
                          << "alk1.bmp"
                          << "/alk1.bmp";
    QTest::newRow("sub-folder") << "/home/pics"
                                << "alk1.bmp"
                                << "/home/pics/alk1.bmp";
    QTest::newRow("nothing chosen") << "/home/pics"
                                    << ""
                                    << "/home/pics/";
}

void TestOptions::chooser()
{
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QFETCH(QString, path);
    QCOMPARE(ChosenPicturePath(folder, file), path);
    // The dialog: a folder of pictures authored on Windows, upper-case names.
    ctx->writeImage(QStringLiteral("pics/Kot.BMP"), {4, 4}, Qt::gray);
    ctx->writeImage(QStringLiteral("pics/stol.jpg"), {4, 4}, Qt::gray);
    FrmOpt o(nullptr);
    o.Form_Load();
    QTest::mouseClick(o.Check1, Qt::LeftButton);
    QTest::mouseClick(o.Command1, Qt::LeftButton);
    QCOMPARE(o.outerWidthTwips(), 7725);
    QVERIFY(o.File1->isEnabled() && o.Command2->isEnabled());
    const QString pics = QDir::cleanPath(ctx->dir.filePath(QStringLiteral("pics")));
    o.showFolder(pics);
    QCOMPARE(o.File1->count(), 1);
    QCOMPARE(o.File1->item(0)->text(), u"Kot.BMP"_qs);
    QTest::mouseClick(o.Option[1], Qt::LeftButton);
    QCOMPARE(o.File1->item(0)->text(), u"stol.jpg"_qs);
    o.File1->setCurrentRow(0);
    QTest::mouseClick(o.Command2, Qt::LeftButton);
    QCOMPARE(o.Text3->text(), pics + u"/stol.jpg"_qs);
    QCOMPARE(o.outerWidthTwips(), 5520);
    QVERIFY(!o.File1->isEnabled());
}

void TestOptions::randomPictureOff()
{
    configure(QStringLiteral("randompic=25\r\n"));
    FrmOpt o(nullptr);
    o.Form_Load();
    QCOMPARE(o.Text5->text(), u"25"_qs);
    QTest::mouseClick(o.Check2, Qt::LeftButton);
    QCOMPARE(o.Text5->text(), u"0"_qs);
    QVERIFY(!o.HScroll4->isEnabled());
    QTest::mouseClick(o.Command3, Qt::LeftButton);
    QCOMPARE(settings().randompic, 0);
    QVERIFY(config().contains("randompic=0\r\n"));
}

void TestOptions::failuresAreTold()
{
    // A folder where the file should be: no file can be written there, not
    // even by root.
    QVERIFY(QDir(ctx->dir.path()).mkdir(QStringLiteral("config.cfg")));
    FrmOpt o(nullptr);
    o.Form_Load();
    o.HScroll3[0]->setValue(10);
    o.HScroll3[1]->setValue(10);
    QTest::mouseClick(o.Check1, Qt::LeftButton);
    o.Text3->setText(QStringLiteral("missing.bmp"));
    PictureBox panel({433, 225});
    FrmOpt withPanel(&panel);
    QTest::mouseClick(o.Command3, Qt::LeftButton);
    // One box for the file, whatever the number of keys; the values apply.
    QCOMPARE(ctx->fake.boxes.size(), 1);
    QVERIFY(ctx->fake.boxes[0].prompt.contains(QStringLiteral("config.cfg")));
    QCOMPARE(settings().textver, 10);
    QCOMPARE(settings().mypic, u"missing.bmp"_qs);
    // A main picture that cannot be loaded is told too.
    ctx->fake.boxes.clear();
    QVERIFY(QDir(ctx->dir.path()).rmdir(QStringLiteral("config.cfg")));
    withPanel.Form_Load();
    withPanel.Text3->setText(QStringLiteral("other-missing.bmp"));
    QTest::mouseClick(withPanel.Command3, Qt::LeftButton);
    QCOMPARE(ctx->fake.boxes.size(), 1);
    QVERIFY(ctx->fake.boxes[0].prompt.contains(QStringLiteral("other-missing.bmp")));
}

void TestOptions::cancelAndDetails()
{
    configure({});
    const QByteArray before = config();
    FrmOpt o(nullptr);
    o.Form_Load();
    o.HScroll3[0]->setValue(10);
    QTest::mouseClick(o.Command5, Qt::LeftButton);
    QCOMPARE(ctx->fake.textFiles, QStringList{".\\pics\\pics.txt"});
    QTest::mouseClick(o.Command4, Qt::LeftButton);
    QCOMPARE(settings().textver, 50);
    QCOMPARE(config(), before);
}

QTEST_MAIN(TestOptions)
#include "tst_frmopt.moc"
