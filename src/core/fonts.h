#pragma once

#include <QFont>
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

// The font every window is laid out for: an 8-point MS Sans Serif.
inline QFont classicFont()
{
    QFont classic;
    classic.setFamilies(msSansSerifFamilies());
    classic.setStyleHint(QFont::SansSerif);
    classic.setPointSize(8);
    return classic;
}

inline QStringList verdanaFamilies()
{
    return {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")};
}

} // namespace stak
