#include "formats/orderfile.h"

#include "core/textfile.h"

namespace stak {

OrderStep NextOrderEntry(const QString &orderText, qint32 position)
{
    const QStringList lines = splitLines(orderText);
    if (lines.isEmpty())
        return {};
    // Lines 1..p are read; reaching the end of the file wraps the position.
    const qsizetype p = qsizetype(position) + 1;
    OrderStep step;
    step.position = qint32(p);
    for (qsizetype i = 1; i <= p && i <= lines.size(); ++i) {
        step.line = lines[i - 1];
        if (i == lines.size())
            step.position = 0;
    }
    return step;
}

} // namespace stak
