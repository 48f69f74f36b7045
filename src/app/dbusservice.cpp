#include "app/dbusservice.h"

#include "companion/requests.h"

#include <QDBusConnection>
#include <QUrl>

namespace stak {

namespace {
// The answer's status for the caller, or its refusal as a D-Bus error.
QString reply(const CompanionRequests::Answer &answer, const QDBusMessage &message)
{
    if (!answer.refused())
        return answer.status();
    message.setDelayedReply(true);
    QDBusConnection::sessionBus().send(
        message.createErrorReply(DBusService::errorName(answer.error), answer.message));
    return {};
}
} // namespace

QString DBusService::applicationId()
{
    return QStringLiteral("ru.stakanych.stakanych");
}

QString DBusService::objectPath()
{
    return QStringLiteral("/ru/stakanych/stakanych");
}

QString DBusService::interfaceName()
{
    return QStringLiteral("ru.stakanych.stakanych.Companion");
}

QString DBusService::errorName(const QString &reason)
{
    return applicationId() + QStringLiteral(".Error.") + reason;
}

DBusService::DBusService(CompanionRequests &requests, std::function<void()> activate,
                         QObject *parent)
    : QObject(parent), m_requests(requests), m_activate(std::move(activate))
{
    new ApplicationAdaptor(this);
    new CompanionAdaptor(this);
}

bool DBusService::registerOnBus()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.registerObject(objectPath(), this))
        return false;
    if (bus.registerService(applicationId()))
        return true;
    bus.unregisterObject(objectPath());
    return false;
}

ApplicationAdaptor::ApplicationAdaptor(DBusService *service)
    : QDBusAbstractAdaptor(service), m_service(service)
{
}

void ApplicationAdaptor::Activate(const QVariantMap &)
{
    m_service->activate();
}

void ApplicationAdaptor::Open(const QStringList &uris, const QVariantMap &,
                              const QDBusMessage &message)
{
    for (const QString &uri : uris) {
        const QUrl url(uri);
        const QString path = url.isLocalFile() ? url.toLocalFile() : uri;
        const auto answer = m_service->requests().runScenario(path);
        if (answer.refused()) {
            reply(answer, message);
            return;
        }
    }
}

void ApplicationAdaptor::ActivateAction(const QString &name, const QVariantList &,
                                        const QVariantMap &, const QDBusMessage &message)
{
    reply(m_service->requests().action(name), message);
}

CompanionAdaptor::CompanionAdaptor(DBusService *service)
    : QDBusAbstractAdaptor(service), m_service(service)
{
}

QString CompanionAdaptor::Say(const QString &text, const QDBusMessage &message)
{
    return reply(m_service->requests().say(text), message);
}

QString CompanionAdaptor::Toast(const QString &text, const QDBusMessage &message)
{
    return reply(m_service->requests().toast(text), message);
}

QString CompanionAdaptor::Voice(int number, const QDBusMessage &message)
{
    return reply(m_service->requests().voice(number), message);
}

QString CompanionAdaptor::RunScenario(const QString &path, const QDBusMessage &message)
{
    return reply(m_service->requests().runScenario(path), message);
}

QString CompanionAdaptor::Show(const QDBusMessage &message)
{
    return reply(m_service->requests().show(), message);
}

} // namespace stak
