// A stand-in for the desktop portal's screenshot service, for the tests of the
// portal capture on a private session bus.
// Usage: fakeportal MODE FILE
//   picture  answers with FILE, a picture it writes there
//   garbage  answers with FILE, which is no picture
//   deny     answers that the user refused
//   silent   never answers
// Every call is reported on standard output as "parent=... interactive=...".
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFile>
#include <QImage>
#include <QUrl>
#include <cstdio>

namespace {

class ScreenshotPortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    QString mode, file;

public slots:
    QDBusObjectPath Screenshot(const QString &parent, const QVariantMap &options,
                               const QDBusMessage &call)
    {
        std::printf("parent=%s interactive=%s\n", qPrintable(parent),
                    options.value(QStringLiteral("interactive"), true).toBool() ? "true" : "false");
        std::fflush(stdout);
        const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/") +
                             call.service().mid(1).replace(QLatin1Char('.'), QLatin1Char('_')) +
                             QLatin1Char('/') +
                             options.value(QStringLiteral("handle_token")).toString();
        if (mode == QStringLiteral("silent"))
            return QDBusObjectPath(path);
        uint code = 0;
        QVariantMap results;
        if (mode == QStringLiteral("picture")) {
            QImage img(64, 48, QImage::Format_RGB32);
            img.fill(qRgb(200, 30, 40));
            img.setPixel(63, 47, qRgb(1, 2, 3));
            img.save(file, "PNG");
        } else if (QFile f(file);
                   mode == QStringLiteral("garbage") && f.open(QIODevice::WriteOnly)) {
            f.write("not a picture");
        }
        if (mode == QStringLiteral("deny"))
            code = 1;
        else
            results.insert(QStringLiteral("uri"), QUrl::fromLocalFile(file).toString());
        // The answer goes out before the call's reply, as a fast portal's may.
        QDBusMessage response = QDBusMessage::createSignal(
            path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        response << code << results;
        QDBusConnection::sessionBus().send(response);
        return QDBusObjectPath(path);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    ScreenshotPortal service;
    service.mode = args[1];
    service.file = args[2];
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &service,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")))
        return 1;
    return app.exec();
}

#include "fakeportal.moc"
