#include "formats/userbuttons.h"

namespace stak {

std::array<std::optional<UserButton>, 6> ParseUserButtons(const QStringList &lines)
{
    const QString marker = QStringLiteral("%>!<%");
    std::array<std::optional<UserButton>, 6> buttons;
    for (int k = 1; k <= 5 && k <= lines.size(); ++k) {
        const QString &line = lines[k - 1];
        if (line.trimmed().isEmpty())
            continue;
        QString caption = line;
        caption.remove(marker);
        buttons[k] = UserButton{caption.trimmed(), line.contains(marker)};
    }
    return buttons;
}

QString UserButtonScenario(int k)
{
    return QStringLiteral("button%1.but").arg(k);
}

} // namespace stak
