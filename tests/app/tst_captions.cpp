#include "companion/frmstakan.h"
#include "core/fonts.h"
#include "testcontext.h"
#include "windows/frm1.h"
#include "windows/frmabout.h"
#include "windows/frmam.h"
#include "windows/frmcar.h"
#include "windows/frmopt.h"
#include "windows/frmtost.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace stak;

// Every fixed caption of every window fits its control, at the scale the test
// runs with (CTest runs it at 1 and at 2).
class TestCaptions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setFont(classicFont()); }
    void init() { ctx = std::make_unique<TestContext>(); }
    void cleanup() { ctx.reset(); }
    void captionsFit_data();
    void captionsFit();

private:
    std::unique_ptr<TestContext> ctx;
};

namespace {
// What does not fit: "Window.Control: caption".
QStringList clipped(QWidget &window)
{
    QStringList out;
    const auto name = [&](QWidget *w, const QString &text) {
        return window.objectName() + u'.' + w->objectName() + u": "_qs + text;
    };
    for (QAbstractButton *b : window.findChildren<QAbstractButton *>()) {
        if (b->text().isEmpty() || !b->isVisibleTo(&window))
            continue;
        const int text = b->fontMetrics().horizontalAdvance(b->text().remove(u'&'));
        // Push buttons: the text with a few pixels either side; check and
        // radio buttons: indicator, spacing and text within the button.
        const int needed = qobject_cast<QPushButton *>(b) ? text + 4 : b->sizeHint().width();
        if (needed > b->width())
            out << name(b, b->text()) + QStringLiteral(" (%1 > %2)").arg(needed).arg(b->width());
    }
    for (QLabel *l : window.findChildren<QLabel *>()) {
        if (l->text().isEmpty() || !l->isVisibleTo(&window) ||
            !l->objectName().startsWith(u"Label"))
            continue;
        const QSize room = l->contentsRect().size();
        const int needed = l->wordWrap() ? l->heightForWidth(room.width())
                                         : l->fontMetrics().size(0, l->text()).width();
        const int has = l->wordWrap() ? room.height() : room.width();
        if (needed > has)
            out << name(l, l->text().left(20)) + QStringLiteral(" (%1 > %2)").arg(needed).arg(has);
    }
    return out;
}
} // namespace

void TestCaptions::captionsFit_data()
{
    QTest::addColumn<QString>("window");
    for (const char *w : {"frm1", "frmAbout", "frmOpt", "frmAm", "frmTost", "frmCar", "frmStakan"})
        QTest::newRow(w) << QString::fromLatin1(w);
}

void TestCaptions::captionsFit()
{
    QFETCH(QString, window);
    std::unique_ptr<QWidget> w;
    if (window == u"frm1"_qs) {
        auto *f = new Frm1({});
        w.reset(f);
        f->Form_Load();
    } else if (window == u"frmAbout"_qs) {
        auto *f = new FrmAbout;
        w.reset(f);
        f->Form_Load();
    } else if (window == u"frmOpt"_qs) {
        auto *f = new FrmOpt(nullptr);
        w.reset(f);
        f->Form_Load();
        f->Check1->setChecked(true);
        f->Command1_Click(); // the picture chooser too
    } else if (window == u"frmAm"_qs) {
        w.reset(new FrmAm);
    } else if (window == u"frmTost"_qs) {
        auto *f = new FrmTost;
        w.reset(f);
        f->Command2_Click(); // the font row too
    } else if (window == u"frmCar"_qs) {
        w.reset(new FrmCar);
    } else {
        w.reset(new FrmStakan);
    }
    w->show();
    const QStringList notFitting = clipped(*w);
    QVERIFY2(notFitting.isEmpty(), qPrintable(notFitting.join(u"; "_qs)));
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
