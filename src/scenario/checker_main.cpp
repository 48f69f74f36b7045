#include "core/contentfolders.h"
#include "scenario/checker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {
// The user's own content folder is checked as the program runs in it: over
// the installed default content, which fills in every file the user has not
// replaced. An author's folder stands alone.
void useInstalledContentBeneath(const QString &folder)
{
    const QString checked = QDir::cleanPath(QDir(folder).absolutePath());
    const stak::ContentFolders folders = stak::programContentFolders(checked);
    stak::setInstalledContentFolder(QDir::cleanPath(folders.user) == checked ? folders.installed
                                                                             : QString());
}
} // namespace

// stakanych-check [FOLDER | FILE...]: reports what would go wrong with a
// content folder (the current one without arguments) or with single content
// files, one "FILE:LINE: message" a line, like a compiler; exit status 1 when
// anything was reported.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QTextStream out(stdout);
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        out << "Использование: stakanych-check [ПАПКА | ФАЙЛ...]\n"
               "Проверяет папку с содержимым Стаканыча (без аргументов - текущую) или\n"
               "отдельные файлы и сообщает о каждой ошибке строкой ФАЙЛ:СТРОКА: сообщение.\n"
               "Код выхода 1, если что-то найдено.\n";
        return 0;
    }
    if (args.isEmpty())
        args << QString();
    bool reported = false;
    for (const QString &arg : std::as_const(args)) {
        const bool folder = arg.isEmpty() || QFileInfo(arg).isDir();
        useInstalledContentBeneath(folder ? arg : QFileInfo(arg).path());
        const QStringList problems =
            folder ? stak::CheckContentFolder(arg) : stak::CheckContentFile(arg);
        for (const QString &problem : problems)
            out << problem << '\n';
        reported |= !problems.isEmpty();
    }
    return reported ? 1 : 0;
}
