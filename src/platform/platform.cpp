#include "platform/platform.h"

#include "core/appcontext.h"

namespace stak {

Platform &platform()
{
    Platform *p = AppContext::current().platform;
    if (!p)
        qFatal("the application context has no platform");
    return *p;
}

} // namespace stak
