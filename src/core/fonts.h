#pragma once

#include <QStringList>

namespace stak {

// The windows were designed around MS Sans Serif and Verdana, which Linux
// rarely has; these lists put their closest relatives from Debian's fonts
// behind them (Liberation Sans is metric-compatible with Arial, DejaVu Sans is
// Verdana's kin).
inline QStringList msSansSerifFamilies()
{
    return {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
            QStringLiteral("DejaVu Sans")};
}

inline QStringList verdanaFamilies()
{
    return {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")};
}

} // namespace stak
