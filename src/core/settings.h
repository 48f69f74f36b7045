#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace stak {

// The one program-wide record of configuration and shared state.
struct Settings
{
    bool mainshown = false;
    QString exescript;
    qint32 drinkcount = 0;
    qint32 igluk = 0;
    qint32 ibiggluk = 0;
    qint32 quake = 0;
    qint32 BaseIntervalFrom = 0; // milliseconds
    qint32 BaseIntervalTo = 0;   // milliseconds
    qint32 textver = 0;
    qint32 tostver = 0;
    qint32 voicever = 0;
    QString mypic;
    QString texture;
    qint32 randompic = 0;
};

// The current application context's record.
Settings &settings();

// The configuration file, ".\config.cfg" in the content folders, section
// "Stakanych": read from where resolveContentPath finds it, written to the
// current folder (a first write starts from the installed file, keeping its
// comments and other keys).
QString configPath();
QString configWritePath();
QString ReadConfigValue(const QString &key, const QString &defaultValue);
// A failed write is reported (false, reason in *error); callers still update
// the field for this run.
bool WriteConfigValue(const QString &key, const QString &value, QString *error = nullptr);

// Decimal whole number as the configuration writes it: optional sign, digits,
// blanks around. Anything else, or a value outside 32 bits, gives no value.
std::optional<qint32> ParseConfigNumber(const QString &text);
// The same, 0 when the text is not such a number.
qint32 configNumber(const QString &text);

// Fills the record from config.cfg as its table of keys says (configkeys.h),
// exescript first.
void LoadSettings(Settings &s = settings());
// The same but for exescript, which the start dialog reads itself.
void LoadSettingsAfterExescript(Settings &s = settings());

} // namespace stak
