#include "core/settings.h"

#include "core/configkeys.h"
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
    const ConfigKey &exescript = configKey(&Settings::exescript);
    for (const ConfigKey &key : configKeys())
        if (&key != &exescript)
            loadConfigKey(key, s);
}

void LoadSettings(Settings &s)
{
    loadConfigKey(configKey(&Settings::exescript), s);
    LoadSettingsAfterExescript(s);
}

} // namespace stak
