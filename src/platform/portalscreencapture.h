#pragma once

#include "platform/screencapture.h"

namespace stak {

// The Wayland way: the desktop portal (org.freedesktop.portal.Screenshot on
// the session bus) takes the picture, without asking the user each time, and
// hands back a file, which is read and deleted. The desktop may refuse, or
// ask the user first; an answer that does not come within the time-out counts
// as a refusal.
class PortalScreenCapture : public ScreenCapture
{
public:
    explicit PortalScreenCapture(int timeoutMs = 10000) : m_timeoutMs(timeoutMs) {}
    QImage capture() override;

private:
    int m_timeoutMs;
    int m_requests = 0;
};

} // namespace stak
