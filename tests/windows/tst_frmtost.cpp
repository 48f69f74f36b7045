#include "testcontext.h"
#include "windows/frmtost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace stak;

class TestFrmTost : public QObject
{
    Q_OBJECT
private slots:
    void init() { ctx = std::make_unique<TestContext>(); }
    void cleanup() { ctx.reset(); }

    void design()
    {
        FrmTost t;
        QCOMPARE(t.windowTitle(), QStringLiteral("Тост, господа!"));
        QVERIFY(t.windowFlags() & Qt::Tool);
        QCOMPARE(t.outerHeightTwips(), 5970);
        QCOMPARE(t.width() * 15, 8340);
        QCOMPARE(t.Combo1->count(), 3);
        QCOMPARE(t.Combo1->itemText(0), QString());
        QCOMPARE(t.Combo1->itemText(2), QStringLiteral("DejaVu Serif"));
        QStringList sizes;
        for (int i = 0; i < t.Combo2->count(); ++i)
            sizes << t.Combo2->itemText(i);
        QCOMPARE(sizes, (QStringList{"", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15",
                                     "16", "18", "20", "22", "24"}));
        QVERIFY(t.Check1->isChecked() && t.Text1->font().bold());
        QCOMPARE(t.Command1->text(), QStringLiteral("Ы-ык..."));
        QCOMPARE(t.Command2->text(), QStringLiteral("Шрифт"));
        QCOMPARE(t.Combo1->y(), 384); // the font row lies below the client area
        QVERIFY(t.Combo1->y() >= t.height());
    }

    void fontRowToggle()
    {
        FrmTost t;
        QList<int> heights;
        for (int i = 0; i < 3; ++i) {
            t.Command2_Click();
            heights << t.outerHeightTwips();
        }
        QCOMPARE(heights, (QList<int>{6450, 5970, 6450}));
        QVERIFY(t.Combo1->geometry().bottom() < t.height());
        t.setOuterHeightTwips(6000); // some other height: back to 5970
        t.Command2_Click();
        QCOMPARE(t.outerHeightTwips(), 5970);
    }

    void fontChoices()
    {
        FrmTost t;
        t.Combo2->setCurrentIndex(15);
        t.Combo2_Click();
        QCOMPARE(t.Text1->font().pointSizeF(), 24.0);
        t.Combo2->setCurrentIndex(0); // the empty entry keeps the size
        t.Combo2_Click();
        QCOMPARE(t.Text1->font().pointSizeF(), 24.0);
        t.Combo1->setCurrentIndex(2);
        t.Combo1_Click();
        QCOMPARE(t.Text1->font().family(), QStringLiteral("DejaVu Serif"));
        t.Combo1->setCurrentIndex(0);
        t.Combo1_Click();
        QCOMPARE(t.Text1->font().family(), QStringLiteral("DejaVu Serif"));
        t.Check1->setChecked(false);
        t.Check1_Click();
        QVERIFY(!t.Text1->font().bold());
    }

    void toastKeepsLineBreaksAndIsEditable()
    {
        FrmTost t;
        t.setToast(QStringLiteral("За тех,\r\nкто в море!\r\n"));
        QCOMPARE(t.Text1->toPlainText(), QStringLiteral("За тех,\nкто в море!\n"));
        QCOMPARE(t.toast(), QStringLiteral("За тех,\r\nкто в море!\r\n"));
        QVERIFY(!t.Text1->isReadOnly());
    }

private:
    std::unique_ptr<TestContext> ctx;
};

QTEST_MAIN(TestFrmTost)
#include "tst_frmtost.moc"
