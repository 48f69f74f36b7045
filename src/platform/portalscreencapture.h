#pragma once

#include "platform/screencapture.h"

namespace stak {

// The Wayland way: the desktop portal (org.freedesktop.portal.Screenshot on
// the session bus) takes a picture of the whole desktop, without asking the
// user each time, and hands back a file, which is read and deleted; the
// screen's part of it is cut out. The desktop may refuse, or
// ask the user first; an answer that does not come within the time-out counts
// as a refusal.
class PortalScreenCapture : public ScreenCapture
{
public:
    explicit PortalScreenCapture(int timeoutMs = 10000) : m_timeoutMs(timeoutMs) {}
    QImage capture(const QRect &screen, const QList<QRect> &screens) override;

private:
    int m_timeoutMs;
    int m_requests = 0;
};

} // namespace stak
