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
