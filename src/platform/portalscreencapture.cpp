#include "platform/portalscreencapture.h"

#include "core/picture.h"
#include "core/screens.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QTimer>
#include <QUrl>
#include <QWindow>

namespace stak {

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");

// Receives the Response signal of one portal request.
class PortalResponse : public QObject
{
    Q_OBJECT
public:
    bool answered = false;
    uint code = 2;
    QVariantMap results;

public slots:
    void onResponse(uint response, const QVariantMap &values)
    {
        answered = true;
        code = response;
        results = values;
        emit received();
    }

signals:
    void received();
};

// The window the portal may place its dialogs over, in the portal's notation.
QString parentWindow()
{
    QWindow *w = QGuiApplication::focusWindow();
    if (w && QGuiApplication::platformName() == QStringLiteral("xcb"))
        return QStringLiteral("x11:") + QString::number(w->winId(), 16);
    return {};
}

bool subscribe(QDBusConnection &bus, const QString &path, PortalResponse *receiver)
{
    return bus.connect(portalService, path, requestInterface, QStringLiteral("Response"), receiver,
                       SLOT(onResponse(uint, QVariantMap)));
}

void unsubscribe(QDBusConnection &bus, const QString &path, PortalResponse *receiver)
{
    bus.disconnect(portalService, path, requestInterface, QStringLiteral("Response"), receiver,
                   SLOT(onResponse(uint, QVariantMap)));
}

} // namespace

QImage PortalScreenCapture::capture(const QRect &screen, const QList<QRect> &screens)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return {};

    // The portal answers on a request object whose path it derives from our
    // unique bus name and a token of ours; listening there before the call
    // means an answer that comes at once is not missed.
    const QString token = QStringLiteral("stakanych%1").arg(++m_requests);
    QString sender = bus.baseService();
    sender.remove(0, 1).replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString requestPath =
        portalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    PortalResponse response;
    if (!subscribe(bus, requestPath, &response))
        return {};

    QDBusMessage call = QDBusMessage::createMethodCall(
        portalService, portalPath, QStringLiteral("org.freedesktop.portal.Screenshot"),
        QStringLiteral("Screenshot"));
    call << parentWindow()
         << QVariantMap{{QStringLiteral("handle_token"), token},
                        {QStringLiteral("interactive"), false}};

    // A nested wait, like a message box's own loop: the portal's request is
    // answered by a signal that only an event loop can receive, and the
    // desktop may show its permission dialog meanwhile. User input to the
    // program's windows is held back until the answer comes.
    QEventLoop loop;
    QString otherPath;
    QDBusPendingCallWatcher watcher(bus.asyncCall(call));
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, [&] {
        const QDBusPendingReply<QDBusObjectPath> reply = watcher;
        if (reply.isError()) {
            loop.quit();
            return;
        }
        // Portals older than the request-path convention name another object.
        const QString handle = reply.value().path();
        if (handle != requestPath && !response.answered && subscribe(bus, handle, &response))
            otherPath = handle;
    });
    QObject::connect(&response, &PortalResponse::received, &loop, &QEventLoop::quit);
    QTimer::singleShot(m_timeoutMs, &loop, &QEventLoop::quit);
    if (!response.answered)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    unsubscribe(bus, requestPath, &response);
    if (!otherPath.isEmpty())
        unsubscribe(bus, otherPath, &response);

    if (!response.answered || response.code != 0)
        return {};
    const QUrl uri(response.results.value(QStringLiteral("uri")).toString());
    if (!uri.isLocalFile())
        return {};
    const QString file = uri.toLocalFile();
    const QImage desktop = loadPicture(file);
    // The portal saves its picture among the user's own; it was only ours.
    QFile::remove(file);
    // The picture covers every screen, often at the desktop's scale.
    const QRect part = DesktopPictureCrop(desktop.size(), screens, screen);
    if (part.isEmpty())
        return {};
    QImage shot = desktop.copy(part);
    shot.setDevicePixelRatio(qreal(part.width()) / screen.width());
    return shot;
}

} // namespace stak

#include "portalscreencapture.moc"
