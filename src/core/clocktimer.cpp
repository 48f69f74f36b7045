#include "core/clocktimer.h"

#include "core/clock.h"

#include <QList>
#include <algorithm>

namespace stak {

namespace {
QList<ClockTimer *> &liveTimers()
{
    static QList<ClockTimer *> timers;
    return timers;
}
} // namespace

ClockTimer::ClockTimer(QObject *parent) : QObject(parent)
{
    liveTimers().append(this);
    m_wake.setSingleShot(true);
    m_wake.setTimerType(Qt::PreciseTimer);
    connect(&m_wake, &QTimer::timeout, this, [this] {
        if (!poll() && m_active)
            arm();
    });
}

ClockTimer::~ClockTimer()
{
    liveTimers().removeOne(this);
}

void ClockTimer::start(int ms)
{
    m_interval = qMax(0, ms);
    m_due = programClock().now().addMSecs(m_interval);
    m_active = true;
    arm();
}

void ClockTimer::stop()
{
    m_active = false;
    m_wake.stop();
}

void ClockTimer::arm()
{
    const qint64 left = programClock().now().msecsTo(m_due);
    m_wake.start(int(std::clamp<qint64>(left, 0, 24 * 3600 * 1000)));
}

bool ClockTimer::poll()
{
    if (!m_active || programClock().now() < m_due)
        return false;
    if (m_periodic) {
        m_due = m_due.addMSecs(qMax(1, m_interval));
        arm();
    } else {
        stop();
    }
    emit timeout();
    return true;
}

std::optional<QDateTime> ClockTimer::nextDue()
{
    std::optional<QDateTime> first;
    for (const ClockTimer *t : liveTimers())
        if (t->m_active && (!first || t->m_due < *first))
            first = t->m_due;
    return first;
}

void ClockTimer::pollAll()
{
    // A timer fired here may start, stop or delete others: look again after
    // every firing.
    for (;;) {
        ClockTimer *next = nullptr;
        const QDateTime now = programClock().now();
        for (ClockTimer *t : liveTimers())
            if (t->m_active && t->m_due <= now && (!next || t->m_due < next->m_due))
                next = t;
        if (!next)
            return;
        next->poll();
    }
}

} // namespace stak
