#include "startup/cmdoptions.h"

namespace stak {

CommandLine ParseCommandLine(const QStringList &args)
{
    CommandLine c;
    QStringList rest;
    for (const QString &a : args) {
        if (a == QStringLiteral("--help") || a == QStringLiteral("-h"))
            c.help = true;
        else if (a == QStringLiteral("--version"))
            c.version = true;
        else if (a == QStringLiteral("--trace"))
            c.trace = true;
        else
            rest << a;
    }
    c.scenario = rest.join(QLatin1Char(' '));
    return c;
}

} // namespace stak
