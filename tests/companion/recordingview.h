#pragma once

#include "companion/companion.h"
#include "core/picture.h"
#include "testcontext.h"

#include <QPainter>
#include <array>
#include <functional>

// A companion view that records what the companion shows. Its picture panel
// is an image of the real panel's size that pictures are painted into; the
// caricature is left to the window's tests.
struct RecordingView : stak::CompanionView, stak::ScenarioCaricature
{
    QStringList speech;
    QString hint;
    QList<bool> hintShown;
    QImage texture;
    QStringList voiceMenu;
    std::array<QString, 6> buttonCaption;
    std::array<bool, 6> buttonShown{};
    bool buttonsEnabled = true;
    int windowShown = 0;
    int broughtToFront = 0;
    QList<QList<QPoint>> shakes;
    QStringList toasts;
    QImage panel{433, 225, QImage::Format_RGB32};
    QStringList painted; // "path x,y" of every picture painted
    bool pictureShown = true;
    int panelChanges = 0;
    QRect area{0, 0, 1024, 768};
    QList<QImage> frolics;
    QList<QRect> frolicScreens;
    QList<stak::SideWindow> sideWindows;
    std::function<void(stak::SideWindow)> onSideWindow;

    RecordingView() { panel.fill(Qt::white); }

    void showSpeech(const QString &caption, bool) override { speech << caption; }
    void showHint(const QString &caption) override { hint = caption; }
    void setHintVisible(bool visible) override { hintShown << visible; }
    void setTexture(const QImage &tile) override { texture = tile; }
    void setVoiceMenu(const QStringList &captions) override { voiceMenu = captions; }
    void setUserButton(int k, const QString &caption, bool visible) override
    {
        buttonCaption[k] = caption;
        buttonShown[k] = visible;
    }
    void setUserButtonVisible(int k, bool visible) override { buttonShown[k] = visible; }
    void setButtonsEnabled(bool enabled) override { buttonsEnabled = enabled; }
    void showWindow() override { ++windowShown; }
    void setWindowVisible(bool) override {}
    void bringToFront() override { ++broughtToFront; }
    void shakeWindow(const QList<QPoint> &offsets) override { shakes << offsets; }
    void showToast(const QString &text) override { toasts << text; }
    bool toastShown() const override { return !toasts.isEmpty(); }
    QImage &picture() override { return panel; }
    void pictureChanged() override { ++panelChanges; }
    bool paintPicture(const QString &path, int x, int y) override
    {
        const QImage image = stak::loadPicture(path);
        if (image.isNull())
            return false;
        QPainter(&panel).drawImage(x, y, image);
        painted << QStringLiteral("%1 %2,%3").arg(path).arg(x).arg(y);
        return true;
    }
    void clearPicture() override { panel.fill(Qt::white); }
    void setPictureVisible(bool visible) override { pictureShown = visible; }
    void setPictureFrame(bool) override {}
    QRect screenArea() const override { return area; }
    void runFrolic(const QImage &picture, const QRect &screen) override
    {
        frolics << picture;
        frolicScreens << screen;
    }
    void openSideWindow(stak::SideWindow window) override
    {
        sideWindows << window;
        if (onSideWindow)
            onSideWindow(window);
    }
    stak::ScenarioCaricature &caricature() override { return *this; }
    void toon() override {}
    bool toonpic(const QString &) override { return true; }
    void toonpichide() override {}
    bool toonminipic(const QString &) override { return true; }
    void toonminihide() override {}
    void toonclose() override {}
};

// A test context with a companion on a recording view.
struct CompanionFixture : TestContext
{
    RecordingView view;
    stak::Companion companion{view};
};
