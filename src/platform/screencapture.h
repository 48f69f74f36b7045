#pragma once

#include <QImage>
#include <memory>

namespace stak {

struct SessionEnvironment;

// One way of taking a picture of the whole desktop.
class ScreenCapture
{
public:
    virtual ~ScreenCapture() = default;
    // The desktop as this way delivers it (any size); a null image when it
    // could not.
    virtual QImage capture() = 0;
};

// The X11 way: the program reads the screen itself.
class DirectScreenCapture : public ScreenCapture
{
public:
    QImage capture() override;
};

// The way that works in the session the program runs in.
std::unique_ptr<ScreenCapture> makeScreenCapture(const SessionEnvironment &env);

} // namespace stak
