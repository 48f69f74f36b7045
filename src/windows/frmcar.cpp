#include "windows/frmcar.h"

#include "core/picture.h"
#include "core/screens.h"
#include "widgets/controls.h"
#include "widgets/picturebox.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace stak {

namespace {
// The inner picture: shown from its top-left corner, cut at the edges.
class InnerPicture : public QWidget
{
public:
    InnerPicture(const QImage *image, QWidget *parent) : QWidget(parent), m_image(image) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Window));
        p.drawImage(0, 0, *m_image);
    }

private:
    const QImage *m_image;
};
} // namespace

FrmCar::FrmCar()
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmCar"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Empty title bar (an empty title would show the program's name on X11).
    setWindowTitle(QStringLiteral(" "));
    setFixedSize(500, 420);

    Picture1 = control<InnerPicture>(this, "Picture1", {32, 72, 433, 225}, &m_inner);
    Picture1->hide();
    Command1 = control<QPushButton>(this, "Command1", {152, 344, 193, 33}, QStringLiteral("Close"));
    Command1->hide();
    connect(Command1, &QPushButton::clicked, this, [this] { close(); });

    Label1 = control<QLabel>(this, "Label1", {288, 164, 137, 25},
                             QStringLiteral("Шаржи рисовал дядя Вася с третьего этажа"));
    Label1->setWordWrap(true);
    fitHeight(Label1);
    Label1->lower();
}

namespace {
// The window manager's frame around a window, as it framed the program's other
// windows; nothing is known of this window's own frame before it is shown.
QMargins frameOfShownWindows(const QWidget *except)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != except && w->isVisible() && w->windowHandle() &&
            !w->windowHandle()->frameMargins().isNull())
            return w->windowHandle()->frameMargins();
    return {};
}
} // namespace

void FrmCar::toon()
{
    if (!m_centred) {
        m_centred = true;
        // The whole window, title bar included, is centred on the screen.
        const QSize outer = size().grownBy(frameOfShownWindows(this));
        QRect screen = m_screen;
        if (screen.isEmpty() && QGuiApplication::primaryScreen())
            screen = QGuiApplication::primaryScreen()->geometry();
        move(CentredOn(outer, screen));
    }
    show();
    raise();
}

bool FrmCar::toonpic(const QString &path)
{
    const QImage img = loadPicture(path);
    if (img.isNull())
        return false;
    m_background = img;
    update();
    return true;
}

void FrmCar::toonpichide()
{
    m_background = QImage();
    update();
}

bool FrmCar::toonminipic(const QString &path)
{
    const QImage img = loadPicture(path);
    if (img.isNull())
        return false;
    Picture1->show();
    m_inner = img;
    Picture1->update();
    return true;
}

void FrmCar::toonminihide()
{
    Picture1->hide();
    m_inner = QImage();
}

void FrmCar::toonclose()
{
    Command1->show();
}

void FrmCar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    if (!m_background.isNull())
        p.drawImage(0, 0, m_background);
}

} // namespace stak
