#pragma once

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace stak {

enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

// The program's default message box title.
inline QString appTitle()
{
    return QStringLiteral("stakan2003");
}

// Everything the operating system does for the program. No window calls
// message boxes, audio or the desktop directly: they go through here, so tests
// can run on a recording fake.
class Platform
{
public:
    virtual ~Platform() = default;

    // A modal box with its own event loop. No title means the application's
    // title; an empty title is shown empty.
    virtual MsgAnswer messageBox(const QString &prompt, MsgButtons buttons = MsgButtons::Ok,
                                 const std::optional<QString> &title = std::nullopt,
                                 bool foreground = false) = 0;

    // Shows a window modally, centred over the window that opened it and on
    // that window's screen, and returns when it has been closed: the window
    // runs its own event loop meanwhile, like a message box.
    virtual void showModal(QWidget *window) = 0;
    // The window message boxes open over when none of the program's windows
    // is active.
    virtual void setMainWindow(QWidget *window) = 0;

    // Starts a WAV in the background; a new sound cuts off the previous one; a
    // missing file is silent.
    virtual void playSound(const QString &file) = 0;
    // Plays a WAV and returns when it has finished; processes no events.
    virtual void playSoundAndWait(const QString &file) = 0;

    // Music addressed by its file name as alias ("title.mp3" in the current
    // folder): play opens it when needed.
    virtual void musicPlay(const QString &alias) = 0;
    virtual void musicStop(const QString &alias) = 0;
    virtual void musicClose(const QString &alias) = 0;

    // Web or mail address, and a text file, with the desktop's handler.
    virtual void openAddress(const QString &address) = 0;
    virtual void openTextFile(const QString &path) = 0;

    // The screens' areas in logical pixels on the virtual desktop, the
    // primary screen first; and where the mouse pointer is on it.
    virtual QList<QRect> screens() = 0;
    virtual QPoint pointerPosition() = 0;
    // One screen, given by its area, as the user sees it: every shown window
    // painted and on the display first. In device pixels, with the screen's
    // device pixel ratio; a null image when the desktop gave none.
    virtual QImage captureScreen(const QRect &screen) = 0;
    // How often that screen shows a new frame, in Hz; 0 when unknown.
    virtual qreal refreshRate(const QRect &screen) = 0;
    // Whether a top-level window can move itself (not so on native Wayland).
    virtual bool canMoveWindows() = 0;

    // Opens or closes the tray of the default CD drive; nothing without one.
    virtual void setCdDoor(bool open) = 0;

    // The user's temporary folder, ending with a separator.
    virtual QString tempFolder() = 0;

    // Handles the pending events once (a yield point of the program).
    virtual void processEvents() = 0;
    // Blocks the thread; no events are processed.
    virtual void sleep(int ms) = 0;
    // Blocks the thread until the program clock reaches due (at once when it
    // has); no events are processed. Paces what is shown frame by frame.
    virtual void waitUntil(const QDateTime &due) = 0;
    // Ends the program at once, without closing steps of any window.
    [[noreturn]] virtual void exitProgram(int code = 0) = 0;

    virtual QStringList screenFonts() = 0;
};

// The current application context's platform.
Platform &platform();

} // namespace stak
