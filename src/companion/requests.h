#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>

namespace stak {

class Companion;

// What other programs ask of the companion (through D-Bus or the command
// line). Requests go through the same operations as the buttons and
// scenarios, one at a time and only while the companion is idle: before it is
// shown, during a scenario, a side window or a frolic they wait their turn.
class CompanionRequests : public QObject
{
    Q_OBJECT
public:
    struct Answer
    {
        enum Kind { Done, Queued, Refused };
        Kind kind = Done;
        QString error;   // the reason's name when refused ("Busy", "NoSuchFile" ...)
        QString message; // the reason in words, Russian

        bool refused() const { return kind == Refused; }
        // "done" or "queued".
        QString status() const;
    };

    // The longest text taken; a party's speech line holds a few lines.
    static constexpr int kMaxText = 2000;
    // Requests waiting at most; more are refused until the companion catches up.
    static constexpr int kMaxWaiting = 100;

    explicit CompanionRequests(QObject *parent = nullptr);

    // The companion the requests go to, once it is shown; until then they
    // wait. raise: shows the companion's window and brings it to the front.
    void attach(Companion &companion, std::function<void()> raise);

    // An empty text: a line drawn from the text file.
    Answer say(const QString &text);
    // An empty text: a toast drawn from the toast file, also over an open one.
    Answer toast(const QString &text);
    // 0: a voice phrase drawn at random.
    Answer voice(int number);
    // A scenario file, by its full path or one relative to the content folder.
    Answer runScenario(const QString &path);
    Answer show();
    // The launcher's actions: "toast", "anecdote", "drink", "riddle".
    Answer action(const QString &name);

private:
    struct Request
    {
        QString what; // for the trace
        std::function<void(Companion &)> run;
    };
    Answer enqueue(QString what, std::function<void(Companion &)> run);
    void serve();

    QPointer<Companion> m_companion;
    std::function<void()> m_raise;
    std::deque<Request> m_waiting;
    QTimer m_serve;
    bool m_serving = false;
};

} // namespace stak
