#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <optional>

namespace stak {

// A timer on the program's clock: it fires when the clock reaches its due time.
// In a real run a Qt timer wakes it at that moment; tests move a fake clock and
// call pollAll(), so timed sequences run in virtual time, step for step.
class ClockTimer : public QObject
{
    Q_OBJECT
public:
    explicit ClockTimer(QObject *parent = nullptr);
    ~ClockTimer() override;

    // Due ms from now. A periodic timer fires again every interval after it
    // was due; a one-shot one stops when it fires.
    void start(int ms);
    void stop();
    void setPeriodic(bool periodic) { m_periodic = periodic; }
    bool isActive() const { return m_active; }
    int interval() const { return m_interval; }
    QDateTime due() const { return m_due; }

    // Fires when due; true when it fired.
    bool poll();

    // The earliest due time of all active timers, and firing every timer that
    // is due now, earliest first.
    static std::optional<QDateTime> nextDue();
    static void pollAll();

signals:
    void timeout();

private:
    void arm();

    QTimer m_wake;
    QDateTime m_due;
    int m_interval = 0;
    bool m_active = false;
    bool m_periodic = false;
};

} // namespace stak
