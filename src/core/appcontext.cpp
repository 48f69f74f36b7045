#include "core/appcontext.h"

#include <QtGlobal>

namespace stak {

namespace {
AppContext *g_current = nullptr;
}

AppContext::AppContext(Platform *platform_, Clock *clock_, RandomSource *random_)
    : platform(platform_), clock(clock_), random(random_), m_previous(g_current)
{
    g_current = this;
}

AppContext::~AppContext()
{
    if (g_current == this)
        g_current = m_previous;
}

AppContext &AppContext::current()
{
    if (!g_current)
        qFatal("no application context: build a stak::AppContext first");
    return *g_current;
}

Settings &settings()
{
    return AppContext::current().settings;
}

Clock &programClock()
{
    Clock *c = AppContext::current().clock;
    if (!c)
        qFatal("the application context has no clock");
    return *c;
}

RandomSource &programRandom()
{
    RandomSource *r = AppContext::current().random;
    if (!r)
        qFatal("the application context has no random source");
    return *r;
}

PhraseHistory &phraseHistory()
{
    return AppContext::current().phrases;
}

} // namespace stak
