#pragma once

#include <QString>
#include <optional>

namespace stak {

// One step through pics\order.txt from the position shown last: the line to
// show now and the position after it (0 once the last line was shown). No line
// at all for an empty order file.
struct OrderStep
{
    std::optional<QString> line;
    qint32 position = 0;
};
OrderStep NextOrderEntry(const QString &orderText, qint32 position);

} // namespace stak
