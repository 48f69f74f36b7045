#pragma once

#include "platform/platform.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class QCoreApplication;

namespace stak {

class AudioPlayer;
class ScreenCapture;

// Qt's own texts (the buttons of message boxes, the menus of text boxes) in
// Russian, like every other text of the program, whatever the system's
// language. False when Qt's Russian translations are not installed.
bool installQtTranslations(QCoreApplication &app);

// The platform of a real desktop session: Qt message boxes, SDL2_mixer audio
// on its own thread, the screen through X11 or the desktop portal, the Linux CD-ROM ioctls.
class RealPlatform : public Platform
{
public:
    RealPlatform();
    ~RealPlatform() override;

    MsgAnswer messageBox(const QString &prompt, MsgButtons buttons,
                         const std::optional<QString> &title, bool foreground) override;
    void showModal(QWidget *window) override;
    void playSound(const QString &file) override;
    void playSoundAndWait(const QString &file) override;
    void musicPlay(const QString &alias) override;
    void musicStop(const QString &alias) override;
    void musicClose(const QString &alias) override;
    void openAddress(const QString &address) override;
    void openTextFile(const QString &path) override;
    QList<QRect> screens() override;
    QPoint pointerPosition() override;
    QImage captureScreen(const QRect &screen) override;
    qreal refreshRate(const QRect &screen) override;
    void setMainWindow(QWidget *window) override;
    bool canMoveWindows() override;
    void setCdDoor(bool open) override;
    QString tempFolder() override;
    void processEvents() override;
    void sleep(int ms) override;
    void waitUntil(const QDateTime &due) override;
    [[noreturn]] void exitProgram(int code) override;
    QStringList screenFonts() override;

private:
    // Before a blocking wait: every shown window is painted and its pixels
    // have reached the display, waiting up to budgetMs for windows still being
    // mapped. Input and timers are not processed.
    void presentWindows(int budgetMs);

    static constexpr int kPresentBudgetMs = 1000;
    std::unique_ptr<AudioPlayer> m_audio;
    std::unique_ptr<ScreenCapture> m_capture; // chosen at the first capture
    QPointer<QWidget> m_mainWindow;
};

} // namespace stak
