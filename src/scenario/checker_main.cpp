#include "scenario/checker.h"

#include <QCoreApplication>
#include <QTextStream>

// stakanych-check FILE...: reports the problems of scenario files like a
// compiler does; exit status 1 when anything was reported.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList files = app.arguments().mid(1);
    QTextStream out(stdout);
    if (files.contains(QStringLiteral("--help")) || files.contains(QStringLiteral("-h"))) {
        out << "usage: stakanych-check FILE...\n"
               "Checks scenario files of Stakanych 2003 and reports each problem as\n"
               "FILE:LINE: message (unknown commands, bad numbers, missing files).\n"
               "File names in the scenarios are taken relative to the current folder.\n"
               "Exit status: 0 nothing reported, 1 problems reported, 2 no file given.\n";
        return 0;
    }
    if (files.isEmpty()) {
        QTextStream(stderr) << "usage: stakanych-check FILE...\n";
        return 2;
    }
    bool reported = false;
    for (const QString &file : files)
        for (const QString &problem : stak::CheckScenarioFile(file)) {
            out << problem << '\n';
            reported = true;
        }
    return reported ? 1 : 0;
}
