#pragma once

#include <QString>
#include <optional>

namespace stak {

// One scenario line split into its command word (lower case) and argument.
struct ScenarioLine
{
    bool comment = false;
    QString command; // lower-cased command word
    QString argument;
};

// Splits a line: only the space character is trimmed, the command word is the
// text before the first space, the argument the trimmed rest. Replacements of
// "%br%" and "%include%" are applied to the argument.
ScenarioLine ParseScenarioLine(const QString &line, const QString &includeText = {});

// A whole number argument: optional sign and decimal digits, spaces around
// allowed; empty optional when it is not one or does not fit 32 bits.
std::optional<qint32> ScenarioNumber(const QString &argument);
// The index of showbutton / hidebutton: a decimal number whose integer part is
// used.
std::optional<qint32> ScenarioIndex(const QString &argument);

// Smear count as scenarios and the drink button give it: empty text means
// emptyDefault; a text that is not a 32-bit whole number gives no value.
std::optional<qint32> SmearCount(const QString &text, qint32 emptyDefault);

} // namespace stak
