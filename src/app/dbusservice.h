#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <functional>

namespace stak {

class CompanionRequests;

// The running program on the session bus, under its application id (the name
// of its desktop file): the desktop's org.freedesktop.Application, so that
// launchers activate it and run its actions, and an interface of its own
// through which other programs make the companion speak, propose toasts, play
// voice phrases and run scenarios. Thin adaptors: every call becomes a request
// to the companion; a refusal comes back as a named D-Bus error.
class DBusService : public QObject
{
    Q_OBJECT
public:
    static QString applicationId();
    static QString objectPath();
    static QString interfaceName();
    static QString errorName(const QString &reason);

    // activate: brings the program's window of the moment to the front.
    DBusService(CompanionRequests &requests, std::function<void()> activate,
                QObject *parent = nullptr);

    // Takes the application id on the session bus and offers the interfaces;
    // false when there is no bus or another copy of the program has it.
    bool registerOnBus();

    CompanionRequests &requests() { return m_requests; }
    void activate() const
    {
        if (m_activate)
            m_activate();
    }

private:
    CompanionRequests &m_requests;
    std::function<void()> m_activate;
};

// org.freedesktop.Application.
class ApplicationAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit ApplicationAdaptor(DBusService *service);

public slots:
    void Activate(const QVariantMap &platformData);
    // Scenario files as file: addresses or paths.
    void Open(const QStringList &uris, const QVariantMap &platformData,
              const QDBusMessage &message);
    void ActivateAction(const QString &name, const QVariantList &parameter,
                        const QVariantMap &platformData, const QDBusMessage &message);

private:
    DBusService *m_service;
};

// ru.stakanych.stakanych.Companion: what a companion does. Each call answers
// "done" (it happens now) or "queued" (it waits for the companion to be shown
// or to finish what it is doing), or an error.
class CompanionAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "ru.stakanych.stakanych.Companion")
public:
    explicit CompanionAdaptor(DBusService *service);

public slots:
    // The text in the speech line; an empty one draws a line from the text file.
    QString Say(const QString &text, const QDBusMessage &message);
    // A toast; an empty text draws one from the toast file.
    QString Toast(const QString &text, const QDBusMessage &message);
    // Voice phrase number N of sound.tlk; 0 draws one.
    QString Voice(int number, const QDBusMessage &message);
    // A scenario file, by a full path or one of the content folder.
    QString RunScenario(const QString &path, const QDBusMessage &message);
    // The companion's window shown and in front.
    QString Show(const QDBusMessage &message);

private:
    DBusService *m_service;
};

} // namespace stak
