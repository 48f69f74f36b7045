#pragma once

#include "core/settings.h"

#include <QString>
#include <optional>
#include <span>
#include <variant>

namespace stak {

// How a number read from config.cfg is brought into its range, in the file's
// unit: a value below the lower bound becomes that bound (or the key's default
// where belowIsDefault), then a value above `max` becomes `max`. The lower
// bound is `min`, or the value of the field `atLeast` names when it is set.
struct ConfigClamp
{
    qint32 min = 0;
    qint32 max = 0;
    bool belowIsDefault = false;
    qint32 Settings::*atLeast = nullptr;
};

// One key of config.cfg: its name as the file spells it, the field of the
// record it fills (a number or a text: its kind), its default as the file
// would hold it, how many units of the field make one of the file (1000 for
// seconds held as milliseconds), and its clamp.
struct ConfigKey
{
    const char *name;
    std::variant<QString Settings::*, qint32 Settings::*> field;
    const char *defaultText;
    qint32 unit = 1;
    std::optional<ConfigClamp> clamp = std::nullopt;

    QString key() const { return QString::fromLatin1(name); }
    bool isNumber() const { return std::holds_alternative<qint32 Settings::*>(field); }
    // The number the field holds in the file's unit; 0 for a text key.
    qint32 fileNumber(const Settings &s) const;
};

// Every key the program reads, in the order it reads them (exescript first).
std::span<const ConfigKey> configKeys();
const ConfigKey &configKey(qint32 Settings::*field);
const ConfigKey &configKey(QString Settings::*field);
// The key of that name, matched without regard to case; null for none.
const ConfigKey *findConfigKey(const QString &name);

// Reads the key from config.cfg into its field: its default when missing, a
// number converted, clamped and turned into the field's unit.
void loadConfigKey(const ConfigKey &key, Settings &s);
// The clamp's range as the file's author reads it ("от 1 до 60"); empty
// for a key without one.
QString configRange(const ConfigKey &key);

} // namespace stak
