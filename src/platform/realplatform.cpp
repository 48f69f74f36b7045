#include "platform/realplatform.h"

#include "core/clock.h"
#include "core/contentpath.h"
#include "core/picture.h"
#include "core/screens.h"
#include "platform/audioplayer.h"
#include "platform/screencapture.h"
#include "platform/session.h"

#include <QApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTranslator>
#include <QUrl>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <chrono>
#include <cstdio>
#include <thread>
#include <unistd.h>
#include <xcb/xcb.h>

// Sanitizer builds check for leaks when the program ends; its quick exit skips
// the checker's own run at exit.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define STAK_LEAK_CHECK_AT_EXIT 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define STAK_LEAK_CHECK_AT_EXIT 1
#endif
#ifdef STAK_LEAK_CHECK_AT_EXIT
#include <sanitizer/lsan_interface.h>
#endif

namespace stak {

void setCdTray(bool open); // cdtray_*.cpp

bool installQtTranslations(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ru"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

RealPlatform::RealPlatform() : m_audio(std::make_unique<AudioPlayer>()) {}

RealPlatform::~RealPlatform() = default;

MsgAnswer RealPlatform::messageBox(const QString &prompt, MsgButtons buttons,
                                   const std::optional<QString> &title, bool foreground)
{
    // An empty title would be replaced by the program's name on X11; a blank
    // keeps the title bar empty.
    QString caption = title.value_or(appTitle());
    if (caption.isEmpty())
        caption = QStringLiteral(" ");
    // Over the active window, else over the companion, on its screen.
    QWidget *over = QApplication::activeWindow();
    if (!over && m_mainWindow && m_mainWindow->isVisible())
        over = m_mainWindow;
    QMessageBox box(
        QMessageBox::NoIcon, caption, prompt,
        buttons == MsgButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, over);
    if (foreground)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    const int answer = box.exec();
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return answer == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

void RealPlatform::showModal(QWidget *window)
{
    // The window's own loop ends when it is hidden (closing hides it) or
    // deleted.
    struct HideWatcher : QObject
    {
        QEventLoop *loop;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Hide)
                loop->quit();
            return false;
        }
    };
    QEventLoop loop;
    HideWatcher watcher;
    watcher.loop = &loop;
    QPointer<QWidget> guard(window);
    window->installEventFilter(&watcher);
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->setWindowModality(Qt::ApplicationModal);
    // Over the window that opened it and on its screen, rather than wherever
    // the window manager puts a new window.
    if (QWidget *opener = window->parentWidget()) {
        const QRect frame = opener->frameGeometry();
        const QList<QRect> all = screens();
        const int at = ScreenAt(all, frame.center());
        if (at >= 0)
            window->move(CentredOver(window->size(), frame, all[at]));
    }
    window->show();
    window->activateWindow();
    if (window->isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (guard)
        guard->removeEventFilter(&watcher);
}

namespace {
// Windows the user can see, that is, that a blocking wait would leave blank
// if they were not painted.
QList<QWidget *> shownWindows()
{
    QList<QWidget *> shown;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->isMinimized() && w->windowHandle())
            shown.append(w);
    return shown;
}

bool allExposed(const QList<QWidget *> &windows)
{
    return std::all_of(windows.begin(), windows.end(),
                       [](QWidget *w) { return w->windowHandle()->isExposed(); });
}

// Waits until the X server has handled every request sent so far.
void syncWithDisplay()
{
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection()) {
        xcb_connection_t *c = x11->connection();
        std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    }
}
} // namespace

void RealPlatform::presentWindows(int budgetMs)
{
    auto *gui = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!gui)
        return;
    // Window-system events only (a window being mapped and exposed): no input,
    // no timers, so no part of the program runs meanwhile.
    constexpr QEventLoop::ProcessEventsFlags kPaintOnly = QEventLoop::ExcludeUserInputEvents |
                                                          QEventLoop::ExcludeSocketNotifiers |
                                                          QEventLoop::X11ExcludeTimers;
    const QDeadlineTimer deadline(qMax(0, budgetMs));
    syncWithDisplay();
    QCoreApplication::processEvents(kPaintOnly);
    while (!allExposed(shownWindows()) && !deadline.hasExpired()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        QCoreApplication::processEvents(kPaintOnly);
    }
    for (QWidget *w : shownWindows())
        w->repaint();
    syncWithDisplay();
}

void RealPlatform::playSound(const QString &file)
{
    m_audio->play(file, false);
}

void RealPlatform::playSoundAndWait(const QString &file)
{
    presentWindows(kPresentBudgetMs);
    m_audio->play(file, true);
}

void RealPlatform::musicPlay(const QString &alias)
{
    m_audio->musicPlay(alias);
}

void RealPlatform::musicStop(const QString &)
{
    m_audio->musicStop();
}

void RealPlatform::musicClose(const QString &)
{
    m_audio->musicClose();
}

void RealPlatform::openAddress(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

void RealPlatform::openTextFile(const QString &path)
{
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(QFileInfo(resolveContentPath(path)).absoluteFilePath()));
}

QList<QRect> RealPlatform::screens()
{
    QList<QRect> areas;
    if (QScreen *primary = QGuiApplication::primaryScreen())
        areas << primary->geometry();
    for (QScreen *s : QGuiApplication::screens())
        if (s != QGuiApplication::primaryScreen())
            areas << s->geometry();
    return areas;
}

QPoint RealPlatform::pointerPosition()
{
    return QCursor::pos();
}

QImage RealPlatform::captureScreen(const QRect &screen)
{
    // The picture shows what the user saw: what was drawn last is on the
    // display first.
    presentWindows(kPresentBudgetMs);
    if (!m_capture)
        m_capture = makeScreenCapture(SessionEnvironment::current());
    const QImage shot = m_capture->capture(screen, screens());
    // Where a refused picture comes back black, black is no picture.
    if (m_capture->blackMeansRefused() && !isUsableScreenCopy(shot))
        return {};
    return shot;
}

qreal RealPlatform::refreshRate(const QRect &screen)
{
    if (QScreen *s = QGuiApplication::screenAt(screen.center()))
        return s->refreshRate();
    return 0;
}

void RealPlatform::setMainWindow(QWidget *window)
{
    m_mainWindow = window;
}

bool RealPlatform::canMoveWindows()
{
    return !QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

void RealPlatform::setCdDoor(bool open)
{
    setCdTray(open);
}

QString RealPlatform::tempFolder()
{
    return QDir::tempPath() + QLatin1Char('/');
}

void RealPlatform::processEvents()
{
    QCoreApplication::processEvents();
}

void RealPlatform::sleep(int ms)
{
    // Showing what was drawn is part of the wait, not added to it.
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(qMax(0, ms));
    presentWindows(qMin(ms, kPresentBudgetMs));
    std::this_thread::sleep_until(end);
}

void RealPlatform::waitUntil(const QDateTime &due)
{
    const qint64 ms = programClock().now().msecsTo(due);
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void RealPlatform::exitProgram(int code)
{
    // At once: no window's closing steps run, no static destructors.
    std::fflush(nullptr);
#ifdef STAK_LEAK_CHECK_AT_EXIT
    // What no window, global or stack still reaches is a leak; the checker
    // ends the program with its own status when it finds one.
    __lsan_do_leak_check();
#endif
    ::_exit(code);
}

QStringList RealPlatform::screenFonts()
{
    return QFontDatabase::families();
}

} // namespace stak
