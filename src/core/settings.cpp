#include "core/settings.h"

#include "core/contentpath.h"
#include "core/ini.h"

namespace stak {

QString configPath()
{
    return resolveContentPath(QStringLiteral(".\\config.cfg"));
}

QString configWritePath()
{
    return writableContentPath(QStringLiteral(".\\config.cfg"));
}

QString ReadConfigValue(const QString &key, const QString &defaultValue)
{
    return readIniValue(configPath(), QStringLiteral("Stakanych"), key, defaultValue);
}

bool WriteConfigValue(const QString &key, const QString &value, QString *error)
{
    return writeIniValue(writableContentPath(QStringLiteral(".\\config.cfg"), ContentWrite::Update),
                         QStringLiteral("Stakanych"), key, value, error);
}

std::optional<qint32> ParseConfigNumber(const QString &text)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok, 10);
    if (!ok || v < INT32_MIN || v > INT32_MAX)
        return std::nullopt;
    return qint32(v);
}

qint32 configNumber(const QString &text)
{
    return ParseConfigNumber(text).value_or(0);
}

void LoadSettingsAfterExescript(Settings &s)
{
    auto number = [](const char *key, const char *def) {
        return configNumber(ReadConfigValue(QLatin1String(key), QLatin1String(def)));
    };
    s.igluk = number("igluk", "10000");
    s.ibiggluk = number("ibiggluk", "50000");
    s.quake = number("quake", "300");
    qint32 from = number("BaseIntervalFrom", "50");
    qint32 to = number("BaseIntervalTo", "60");
    if (from < 1)
        from = 50;
    if (from > 60)
        from = 60;
    if (to < from)
        to = from;
    if (to > 60)
        to = 60;
    s.BaseIntervalFrom = from * 1000;
    s.BaseIntervalTo = to * 1000;
    s.textver = number("textver", "50");
    s.tostver = number("tostver", "30");
    s.voicever = number("voicever", "20");
    s.mypic = ReadConfigValue(QStringLiteral("mypic"), QStringLiteral("alk1.bmp"));
    s.texture = ReadConfigValue(QStringLiteral("texture"), QString());
    s.randompic = qBound(0, number("randompic", "0"), 100);
}

void LoadSettings(Settings &s)
{
    s.exescript = ReadConfigValue(QStringLiteral("exescript"), QString());
    LoadSettingsAfterExescript(s);
}

} // namespace stak
