#pragma once

#include "platform/screencapture.h"

#include <xcb/xcb.h>

namespace stak {

// The X11 way, fast: the root window's pixels of a screen read by the X
// server straight into memory it shares with the program (MIT-SHM), a plain
// image request where it offers no shared memory (a remote display).
class X11ScreenCapture : public ScreenCapture
{
public:
    enum class Method { SharedMemory, ImageRequest };

    // The program's connection to the X server; it stays the caller's.
    explicit X11ScreenCapture(xcb_connection_t *connection);
    ~X11ScreenCapture() override;
    X11ScreenCapture(const X11ScreenCapture &) = delete;
    X11ScreenCapture &operator=(const X11ScreenCapture &) = delete;

    QImage capture(const QRect &screen, const QList<QRect> &screens) override;
    // The pixels of an area of the root window, in its own (device) pixels;
    // null when the server cannot give them in 32 bits a pixel.
    QImage captureArea(const QRect &area);
    Method method() const { return m_method; }
    // Asks with image requests only, as for a remote display.
    void useImageRequests() { m_method = Method::ImageRequest; }

private:
    bool shareMemory(std::size_t bytes);
    void releaseMemory();

    xcb_connection_t *m_c;
    xcb_window_t m_root = 0;
    QRect m_rootArea;
    bool m_usable = false; // 32 bits a pixel, least significant byte first
    Method m_method = Method::ImageRequest;
    int m_shmId = -1;
    void *m_shm = nullptr;
    std::size_t m_shmBytes = 0;
    uint32_t m_segment = 0;
};

} // namespace stak
