#include "platform/platform.h"

#include "platform/realplatform.h"

namespace stak {

namespace {
Platform *g_platform = nullptr;
}

Platform &platform()
{
    if (!g_platform) {
        static RealPlatform real;
        g_platform = &real;
    }
    return *g_platform;
}

void setPlatform(Platform *p)
{
    g_platform = p;
}

} // namespace stak
