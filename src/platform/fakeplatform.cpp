#include "platform/fakeplatform.h"

#include "core/clock.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace stak {

FakePlatform::FakePlatform() = default;

MsgAnswer FakePlatform::messageBox(const QString &prompt, MsgButtons buttons,
                                   const std::optional<QString> &title, bool foreground)
{
    const Box box{prompt, buttons, title, foreground};
    boxes.append(box);
    if (onBox)
        onBox(box);
    // A box runs an event loop of its own: a yield point.
    if (onYield)
        onYield();
    if (!answers.isEmpty())
        return answers.takeFirst();
    return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
}

void FakePlatform::showModal(QWidget *window)
{
    modals.append(window->objectName());
    QPointer<QWidget> guard(window);
    window->show();
    if (onModal)
        onModal(window);
    if (guard && guard->isVisible())
        guard->close();
}

QImage FakePlatform::captureScreen(const QRect &screen)
{
    ++captures;
    capturedScreens << screen;
    if (onCapture)
        onCapture();
    if (captureFails)
        return {};
    if (!screenImage.isNull())
        return screenImage;
    QImage desktop(screen.size(), QImage::Format_RGB32);
    desktop.fill(Qt::darkCyan);
    return desktop;
}

QString FakePlatform::tempFolder()
{
    return m_temp.path() + QLatin1Char('/');
}

void FakePlatform::processEvents()
{
    ++eventPumps;
    if (pumpQtEvents)
        QCoreApplication::processEvents();
    if (onYield)
        onYield();
}

void FakePlatform::sleep(int ms)
{
    sleeps.append(ms);
    if (clock)
        clock->advanceMs(ms < 0 ? 0 : ms);
}

void FakePlatform::waitUntil(const QDateTime &due)
{
    if (!clock) {
        frameWaits.append(0);
        return;
    }
    const qint64 ms = clock->now().msecsTo(due);
    frameWaits.append(ms);
    if (ms > 0)
        clock->set(due);
}

void FakePlatform::exitProgram(int code)
{
    throw ProgramExit(code);
}

} // namespace stak
