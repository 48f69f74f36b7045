#pragma once

#include "platform/platform.h"

#include <QList>
#include <QTemporaryDir>
#include <functional>
#include <stdexcept>

namespace stak {

class FakeClock;

// Thrown by FakePlatform::exitProgram, so a test can see the program end.
struct ProgramExit : std::runtime_error
{
    explicit ProgramExit(int c) : std::runtime_error("program exit"), code(c) {}
    int code;
};

// A platform that records what the program asked of it. Message boxes answer
// from a script (Ok / Yes when the script is empty) without blocking.
class FakePlatform : public Platform
{
public:
    struct Box
    {
        QString prompt;
        MsgButtons buttons;
        std::optional<QString> title;
        bool foreground;
    };

    FakePlatform();

    MsgAnswer messageBox(const QString &prompt, MsgButtons buttons,
                         const std::optional<QString> &title, bool foreground) override;
    void showModal(QWidget *window) override;
    void playSound(const QString &file) override { sounds.append(file); }
    void playSoundAndWait(const QString &file) override { waitedSounds.append(file); }
    void musicPlay(const QString &alias) override { music.append(QStringLiteral("play ") + alias); }
    void musicStop(const QString &alias) override { music.append(QStringLiteral("stop ") + alias); }
    void musicClose(const QString &alias) override
    {
        music.append(QStringLiteral("close ") + alias);
    }
    void openAddress(const QString &address) override { addresses.append(address); }
    void openTextFile(const QString &path) override { textFiles.append(path); }
    QList<QRect> screens() override { return screenAreas; }
    QPoint pointerPosition() override { return pointer; }
    QImage captureScreen(const QRect &screen) override;
    qreal refreshRate(const QRect &) override { return refresh; }
    void setMainWindow(QWidget *window) override { mainWindow = window; }
    bool canMoveWindows() override { return windowsMove; }
    void setCdDoor(bool open) override { cdDoor.append(open); }
    QString tempFolder() override;
    void processEvents() override;
    void sleep(int ms) override;
    void waitUntil(const QDateTime &due) override;
    [[noreturn]] void exitProgram(int code) override;
    QStringList screenFonts() override { return fonts; }

    // Script and records.
    QList<MsgAnswer> answers; // consumed front first
    QList<Box> boxes;
    QStringList sounds;
    QStringList waitedSounds;
    QStringList music;
    QStringList addresses;
    QStringList textFiles;
    QList<bool> cdDoor;
    QList<int> sleeps;
    QList<qint64> frameWaits; // ms from the clock's time to each due time
    int eventPumps = 0;
    int captures = 0;
    QList<QRect> screenAreas{{0, 0, 1024, 768}};
    QPoint pointer{512, 384};
    QList<QRect> capturedScreens;
    QWidget *mainWindow = nullptr;
    // Returned by captureScreen when set, else a grey desktop of the screen's
    // size; a null image when the capture fails.
    QImage screenImage;
    bool captureFails = false;
    qreal refresh = 60;
    bool windowsMove = true;
    QStringList fonts{QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif")};
    FakeClock *clock = nullptr; // advanced by sleep() and waitUntil() when set
    // Called at every processEvents (a yield point) and inside every box.
    std::function<void()> onYield;
    // Called when the screen is captured, before the image is returned.
    std::function<void()> onCapture;
    // Called when a message box is shown, before it answers.
    std::function<void(const Box &)> onBox;
    // Called with every modal window once it is shown: the test drives it and
    // may close it; a window left open is closed as its user would.
    std::function<void(QWidget *)> onModal;
    QStringList modals; // objectNames, in order
    // When true, processEvents also runs Qt's pending events.
    bool pumpQtEvents = false;

private:
    QTemporaryDir m_temp;
};

} // namespace stak
