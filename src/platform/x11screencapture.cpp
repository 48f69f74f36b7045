#include "platform/x11screencapture.h"

#include <QGuiApplication>
#include <QScreen>
#include <xcb/shm.h>

#include <cstdlib>
#include <cstring>
#include <sys/ipc.h>
#include <sys/shm.h>

namespace stak {

X11ScreenCapture::X11ScreenCapture(xcb_connection_t *connection) : m_c(connection)
{
    const xcb_setup_t *setup = xcb_get_setup(m_c);
    const xcb_screen_t *screen = xcb_setup_roots_iterator(setup).data;
    m_root = screen->root;
    m_rootArea = QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels);
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == screen->root_depth)
            m_usable = f.data->bits_per_pixel == 32 &&
                       setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
    auto *shm = xcb_shm_query_version_reply(m_c, xcb_shm_query_version(m_c), nullptr);
    if (shm)
        m_method = Method::SharedMemory;
    std::free(shm);
}

X11ScreenCapture::~X11ScreenCapture()
{
    releaseMemory();
}

bool X11ScreenCapture::shareMemory(std::size_t bytes)
{
    if (m_shm && m_shmBytes >= bytes)
        return true;
    releaseMemory();
    m_shmId = ::shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (m_shmId < 0)
        return false;
    m_shm = ::shmat(m_shmId, nullptr, 0);
    if (m_shm == reinterpret_cast<void *>(-1)) {
        m_shm = nullptr;
        ::shmctl(m_shmId, IPC_RMID, nullptr);
        return false;
    }
    m_segment = xcb_generate_id(m_c);
    xcb_generic_error_t *e =
        xcb_request_check(m_c, xcb_shm_attach_checked(m_c, m_segment, m_shmId, 0));
    // Once the server holds it too, the segment goes away with the last of us.
    ::shmctl(m_shmId, IPC_RMID, nullptr);
    if (e) {
        std::free(e);
        ::shmdt(m_shm);
        m_shm = nullptr;
        return false;
    }
    m_shmBytes = bytes;
    return true;
}

void X11ScreenCapture::releaseMemory()
{
    if (!m_shm)
        return;
    xcb_shm_detach(m_c, m_segment);
    xcb_flush(m_c);
    ::shmdt(m_shm);
    m_shm = nullptr;
    m_shmBytes = 0;
}

QImage X11ScreenCapture::captureArea(const QRect &wanted)
{
    const QRect area = wanted.intersected(m_rootArea);
    if (!m_usable || area.isEmpty())
        return {};
    const int w = area.width(), h = area.height();
    const std::size_t bytes = std::size_t(w) * std::size_t(h) * 4;
    QImage image(w, h, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const auto copy = [&](const uint8_t *pixels) {
        for (int y = 0; y < h; ++y)
            std::memcpy(image.scanLine(y), pixels + std::size_t(y) * w * 4, std::size_t(w) * 4);
    };
    if (m_method == Method::SharedMemory && shareMemory(bytes)) {
        auto *reply = xcb_shm_get_image_reply(
            m_c,
            xcb_shm_get_image(m_c, m_root, int16_t(area.x()), int16_t(area.y()), uint16_t(w),
                              uint16_t(h), ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP, m_segment, 0),
            nullptr);
        if (reply) {
            std::free(reply);
            copy(static_cast<const uint8_t *>(m_shm));
            return image;
        }
        // The server would not write there: ask plainly from now on.
        releaseMemory();
        m_method = Method::ImageRequest;
    }
    auto *reply =
        xcb_get_image_reply(m_c,
                            xcb_get_image(m_c, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, int16_t(area.x()),
                                          int16_t(area.y()), uint16_t(w), uint16_t(h), ~0u),
                            nullptr);
    if (!reply)
        return {};
    if (std::size_t(xcb_get_image_data_length(reply)) >= bytes)
        copy(xcb_get_image_data(reply));
    else
        image = QImage();
    std::free(reply);
    return image;
}

QImage X11ScreenCapture::capture(const QRect &screen, const QList<QRect> &)
{
    // The screen's device pixels: its area keeps its corner on the virtual
    // desktop and grows by its scale.
    QScreen *s = QGuiApplication::screenAt(screen.center());
    const qreal ratio = s ? s->devicePixelRatio() : 1.0;
    QImage shot = captureArea(QRect(screen.topLeft(), (QSizeF(screen.size()) * ratio).toSize()));
    shot.setDevicePixelRatio(ratio);
    return shot;
}

} // namespace stak
