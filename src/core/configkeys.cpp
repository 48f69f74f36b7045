#include "core/configkeys.h"

namespace stak {

namespace {
constexpr qint32 kSeconds = 1000;

const ConfigKey kKeys[] = {
    {.name = "exescript", .field = &Settings::exescript, .defaultText = ""},
    {.name = "igluk", .field = &Settings::igluk, .defaultText = "10000"},
    {.name = "ibiggluk", .field = &Settings::ibiggluk, .defaultText = "50000"},
    {.name = "quake", .field = &Settings::quake, .defaultText = "300"},
    {.name = "BaseIntervalFrom",
     .field = &Settings::BaseIntervalFrom,
     .defaultText = "50",
     .unit = kSeconds,
     .clamp = ConfigClamp{.min = 1, .max = 60, .belowIsDefault = true}},
    {.name = "BaseIntervalTo",
     .field = &Settings::BaseIntervalTo,
     .defaultText = "60",
     .unit = kSeconds,
     .clamp = ConfigClamp{.max = 60, .atLeast = &Settings::BaseIntervalFrom}},
    {.name = "textver", .field = &Settings::textver, .defaultText = "50"},
    {.name = "tostver", .field = &Settings::tostver, .defaultText = "30"},
    {.name = "voicever", .field = &Settings::voicever, .defaultText = "20"},
    {.name = "mypic", .field = &Settings::mypic, .defaultText = "alk1.bmp"},
    {.name = "texture", .field = &Settings::texture, .defaultText = ""},
    {.name = "randompic",
     .field = &Settings::randompic,
     .defaultText = "0",
     .clamp = ConfigClamp{.min = 0, .max = 100}},
};

template <typename Field> const ConfigKey &keyOf(Field field)
{
    for (const ConfigKey &k : kKeys)
        if (const auto *f = std::get_if<Field>(&k.field); f && *f == field)
            return k;
    qFatal("config.cfg has no key for that field"); // every field read from it has a row
}
} // namespace

qint32 ConfigKey::fileNumber(const Settings &s) const
{
    const auto *f = std::get_if<qint32 Settings::*>(&field);
    return f ? s.**f / unit : 0;
}

std::span<const ConfigKey> configKeys()
{
    return kKeys;
}

const ConfigKey &configKey(qint32 Settings::*field)
{
    return keyOf(field);
}

const ConfigKey &configKey(QString Settings::*field)
{
    return keyOf(field);
}

const ConfigKey *findConfigKey(const QString &name)
{
    for (const ConfigKey &k : kKeys)
        if (name.compare(QLatin1String(k.name), Qt::CaseInsensitive) == 0)
            return &k;
    return nullptr;
}

void loadConfigKey(const ConfigKey &key, Settings &s)
{
    const QString text = ReadConfigValue(key.key(), QString::fromLatin1(key.defaultText));
    if (const auto *f = std::get_if<QString Settings::*>(&key.field)) {
        s.**f = text;
        return;
    }
    qint32 v = configNumber(text);
    if (const auto &c = key.clamp) {
        const qint32 low = c->atLeast ? configKey(c->atLeast).fileNumber(s) : c->min;
        if (v < low)
            v = c->belowIsDefault ? configNumber(QString::fromLatin1(key.defaultText)) : low;
        if (v > c->max)
            v = c->max;
    }
    s.*std::get<qint32 Settings::*>(key.field) = v * key.unit;
}

QString configRange(const ConfigKey &key)
{
    if (!key.clamp)
        return {};
    const QString low =
        key.clamp->atLeast ? configKey(key.clamp->atLeast).key() : QString::number(key.clamp->min);
    return QStringLiteral("от %1 до %2").arg(low).arg(key.clamp->max);
}

} // namespace stak
