#include "app/remote.h"

#include "app/dbusservice.h"
#include "companion/requests.h"
#include "core/contentfolders.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QTextStream>

namespace stak {

CompanionRequest Absolute(CompanionRequest request, const QString &startFolder)
{
    if (request.kind == CompanionRequest::Run)
        request.text = keepStartFolderPath(request.text, startFolder);
    return request;
}

std::optional<int> SendToRunningCompanion(const QList<CompanionRequest> &requests)
{
    // A connection of its own, closed again: the program's bus connection is
    // made afresh if it goes on to start the companion itself.
    const QString name = QStringLiteral("stakanych-request");
    struct Closing
    {
        QString name;
        ~Closing() { QDBusConnection::disconnectFromBus(name); }
    } closing{name};
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(DBusService::applicationId()))
        return std::nullopt;
    for (const CompanionRequest &r : requests) {
        static const char *const kMethods[] = {"Say", "Toast", "Voice", "RunScenario",
                                               "ActivateAction"};
        const bool action = r.kind == CompanionRequest::Action;
        QDBusMessage call = QDBusMessage::createMethodCall(
            DBusService::applicationId(), DBusService::objectPath(),
            action ? QStringLiteral("org.freedesktop.Application") : DBusService::interfaceName(),
            QLatin1String(kMethods[r.kind]));
        call.setAutoStartService(false);
        if (action)
            call << r.text << QVariantList() << QVariantMap();
        else
            call << (r.kind == CompanionRequest::Voice ? QVariant(r.number) : QVariant(r.text));
        const QDBusMessage answer = bus.call(call, QDBus::Block, 5000);
        if (answer.type() == QDBusMessage::ErrorMessage) {
            QTextStream(stderr) << "stakanych: " << answer.errorMessage() << '\n';
            return 1;
        }
    }
    return 0;
}

bool RequestOfThisRun(CompanionRequests &companion, const QList<CompanionRequest> &requests)
{
    for (const CompanionRequest &r : requests) {
        CompanionRequests::Answer answer;
        switch (r.kind) {
        case CompanionRequest::Say:
            answer = companion.say(r.text);
            break;
        case CompanionRequest::Toast:
            answer = companion.toast(r.text);
            break;
        case CompanionRequest::Voice:
            answer = companion.voice(r.number);
            break;
        case CompanionRequest::Run:
            answer = companion.runScenario(r.text);
            break;
        case CompanionRequest::Action:
            answer = companion.action(r.text);
            break;
        }
        if (answer.refused()) {
            QTextStream(stderr) << "stakanych: " << answer.message << '\n';
            return false;
        }
    }
    return true;
}

} // namespace stak
