#include "platform/screencapture.h"

namespace stak {

std::unique_ptr<ScreenCapture> makeScreenCapture(const SessionEnvironment &)
{
    return std::make_unique<DirectScreenCapture>();
}

} // namespace stak
