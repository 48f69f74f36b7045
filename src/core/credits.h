#pragma once

#include <QString>

namespace stak {

// The names the windows credit: the maker (title bars, the splash, the
// companion's credit label) and the web-design studio.
inline QString makerName()
{
    return QStringLiteral("Мастерская \"Гранёный\"");
}

inline QString studioName()
{
    return QStringLiteral("студия \"Огурец\"");
}

} // namespace stak
