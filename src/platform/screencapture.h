#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <memory>

namespace stak {

struct SessionEnvironment;

// One way of taking a picture of a screen.
class ScreenCapture
{
public:
    virtual ~ScreenCapture() = default;
    // The screen with the given area, one of the desktop's screens (logical
    // pixels on the virtual desktop), in device pixels with the screen's
    // device pixel ratio; a null image when it could not.
    virtual QImage capture(const QRect &screen, const QList<QRect> &screens) = 0;
    // Whether a refused picture comes back black rather than not at all.
    virtual bool blackMeansRefused() const { return false; }
};

// The X11 way: the program reads the screen itself. Under XWayland in a
// Wayland session the server hands out black for what it may not show.
class DirectScreenCapture : public ScreenCapture
{
public:
    explicit DirectScreenCapture(bool underXWayland = false) : m_underXWayland(underXWayland) {}
    QImage capture(const QRect &screen, const QList<QRect> &screens) override;
    bool blackMeansRefused() const override { return m_underXWayland; }

private:
    bool m_underXWayland;
};

// The way that works in the session the program runs in.
std::unique_ptr<ScreenCapture> makeScreenCapture(const SessionEnvironment &env);

} // namespace stak
