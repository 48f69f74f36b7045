#include "testcontext.h"

#include "formats/riddle.h"
#include "widgets/vblabel.h"
#include "windows/frmam.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace stak;

class TestFrmAm : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        ctx = std::make_unique<TestContext>();
        ctx->write(QStringLiteral("zag.tlk"),
                   QStringLiteral("3\r\n>Раз%brдва\r\nОдин\r\n>Второй?\r\nДва%br\r\n"
                                  ">Третий?\r\nТри\r\n"));
        ctx->random.setValues({drawFor(1, 3), drawFor(2, 3), drawFor(3, 3)});
    }
    void cleanup() { ctx.reset(); }

    void splitting_data();
    void splitting();
    void answersAndNext();
    void fontSize();
    void noRepeatsAcrossOpenings();

private:
    std::unique_ptr<TestContext> ctx;
};

void TestFrmAm::splitting_data()
{
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");
    QTest::newRow("question and answer") << "Кто?\r\nЯ\r\n"
                                         << "Кто?"
                                         << "Я\r\n";
    QTest::newRow("line break in any case, question only") << "А%brБ%BRВ\r\nГ%brД\r\n"
                                                           << "А\r\nБ\r\nВ"
                                                           << "Г%brД\r\n";
    QTest::newRow("bare marker line") << "\r\nВопрос\r\nОтвет\r\n"
                                      << "\r\nВопрос"
                                      << "Ответ\r\n";
    QTest::newRow("no line break keeps the answer") << "Только вопрос"
                                                    << "Только вопрос"
                                                    << "прежний";
    QTest::newRow("empty phrase") << ""
                                  << ""
                                  << "прежний";
}

void TestFrmAm::splitting()
{
    QFETCH(QString, phrase);
    QFETCH(QString, question);
    QFETCH(QString, answer);
    const Riddle r = SplitRiddle(phrase, QStringLiteral("прежний"));
    QCOMPARE(r.question, question);
    QCOMPARE(r.answer, answer);
}

void TestFrmAm::answersAndNext()
{
    FrmAm w;
    w.Form_Load();
    QCOMPARE(w.Combo1->currentText(), u"10"_qs);
    QCOMPARE(w.Label1->caption(), u"Ответ:"_qs);
    QCOMPARE(w.Text1->toPlainText(), u"Раз\nдва"_qs);
    // Skipped: the answer comes with the next riddle.
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    QCOMPARE(w.Label1->caption(), u"Ответ на предыдущую: Один\r\n"_qs);
    QCOMPARE(w.Text1->toPlainText(), u"Второй?"_qs);
    // Revealed: the next riddle clears the line.
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    QCOMPARE(w.Label1->caption(), u"Два%br\r\n"_qs);
    QVERIFY(!w.Command1->isEnabled());
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    QCOMPARE(w.Label1->caption(), QString());
    QVERIFY(w.Command1->isEnabled());
    QTest::mouseClick(w.Command3, Qt::LeftButton);
    QVERIFY(!w.isVisible());
}

void TestFrmAm::fontSize()
{
    FrmAm w;
    w.Form_Load();
    QCOMPARE(w.Text1->font().pointSizeF(), 10.0);
    w.Combo1->setCurrentIndex(w.Combo1->findText(QStringLiteral("24")));
    emit w.Combo1->activated(w.Combo1->currentIndex());
    QCOMPARE(w.Text1->font().pointSizeF(), 24.0);
    for (const char *typed : {"крупно", "", "-3"}) {
        w.Combo1->setEditText(QString::fromUtf8(typed));
        QTest::keyClick(w.Combo1->lineEdit(), Qt::Key_Return);
        QCOMPARE(w.Text1->font().pointSizeF(), 24.0);
    }
    w.Combo1->setEditText(QStringLiteral("13"));
    QTest::keyClick(w.Combo1->lineEdit(), Qt::Key_Return);
    QCOMPARE(w.Text1->font().pointSizeF(), 13.0);
}

void TestFrmAm::noRepeatsAcrossOpenings()
{
    // The same draw twice: the second opening must not ask the first riddle.
    ctx->random.setValues({drawFor(1, 3), drawFor(1, 3), drawFor(2, 3)});
    {
        FrmAm first;
        first.Form_Load();
        QCOMPARE(first.question(), u"Раз\r\nдва"_qs);
    }
    FrmAm second;
    second.Form_Load();
    QCOMPARE(second.question(), u"Второй?"_qs);
}

QTEST_MAIN(TestFrmAm)
#include "tst_frmam.moc"
