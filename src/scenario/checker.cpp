#include "scenario/checker.h"

#include "core/contentpath.h"
#include "core/textfile.h"
#include "scenario/commands.h"
#include "scenario/scenarioline.h"

#include <QSet>

namespace stak {

QStringList CheckScenarioFile(const QString &file)
{
    const auto text = readTextFile(file);
    if (!text)
        return {file + QStringLiteral(":0: cannot read the file")};
    static const QSet<QString> numbers{QStringLiteral("sleep"),    QStringLiteral("pause"),
                                       QStringLiteral("setquake"), QStringLiteral("picx"),
                                       QStringLiteral("picy"),     QStringLiteral("waitrun"),
                                       QStringLiteral("basevoice")};
    static const QSet<QString> counts{QStringLiteral("gluk"), QStringLiteral("biggluk")};
    static const QSet<QString> indexes{QStringLiteral("showbutton"), QStringLiteral("hidebutton")};
    static const QSet<QString> files{QStringLiteral("pic"),     QStringLiteral("paint"),
                                     QStringLiteral("toonpic"), QStringLiteral("toonminipic"),
                                     QStringLiteral("wavs"),    QStringLiteral("playsound"),
                                     QStringLiteral("include")};
    QStringList out;
    QString includeText;
    const QStringList lines = splitScenarioLines(*text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ScenarioLine line = ParseScenarioLine(lines[i], includeText);
        if (line.comment)
            continue;
        const QString at = file + QLatin1Char(':') + QString::number(i + 1) + QStringLiteral(": ");
        const QString &cmd = line.command;
        const QString &arg = line.argument;
        if (!FindScenarioCommand(cmd)) {
            out << at + QStringLiteral("unknown command '%1'").arg(cmd);
            continue;
        }
        if (numbers.contains(cmd) && !ScenarioNumber(arg))
            out << at + QStringLiteral("'%1' needs a whole number, not '%2'").arg(cmd, arg);
        if (counts.contains(cmd) && !arg.isEmpty() && !ScenarioNumber(arg))
            out << at + QStringLiteral("'%1' needs a whole number or nothing, not '%2'")
                            .arg(cmd, arg);
        if (indexes.contains(cmd)) {
            const auto k = ScenarioIndex(arg);
            if (!k || *k < 1 || *k > 5)
                out << at + QStringLiteral("'%1' needs a button number 1..5, not '%2'")
                                .arg(cmd, arg);
        }
        if (files.contains(cmd)) {
            const bool phraseForm = cmd == QStringLiteral("playsound") &&
                                    (arg.isEmpty() || arg.startsWith(QStringLiteral("\\\\")));
            if (!phraseForm && !contentFileExists(arg))
                out << at + QStringLiteral("file not found: %1").arg(arg);
            else if (cmd == QStringLiteral("include"))
                includeText = readTextFile(arg).value_or(QString());
        }
    }
    return out;
}

} // namespace stak
