#include "app/cmdoptions.h"

#include <QDir>

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

QString HelpText(const ContentFolders &folders)
{
    QString text = QStringLiteral(
        "Стаканыч 2003 - компаньон для застолья: окошко с картинкой, которое в\n"
        "случайные моменты говорит прибаутки, предлагает тосты, играет голосовые\n"
        "фразы, меняет картинку, загадывает загадки и шутит над рабочим столом.\n"
        "\n"
        "Запуск: stakanych [СЦЕНАРИЙ]\n"
        "\n"
        "  СЦЕНАРИЙ   файл сценария (*.scn): весь текст после имени программы.\n"
        "             Он сразу выбран в первом окне и выполняется, как только\n"
        "             откроется окно Стаканыча.\n"
        "  --trace    печатать каждую выполненную строку сценария с временем\n"
        "             от начала его выполнения (в стандартный поток ошибок)\n"
        "  --help     эта справка\n"
        "  --version  версия программы\n"
        "\n"
        "Содержимое - фразы (*.tlk), сценарии (*.scn), картинки, звуки и настройки\n"
        "config.cfg. Запущенный в папке с содержимым (там есть config.cfg, user.but,\n"
        "*.tlk или *.scn), Стаканыч работает в ней одной. Иначе он работает в своей\n"
        "папке пользователя ($XDG_DATA_HOME/stakanych, обычно\n"
        "~/.local/share/stakanych) поверх установленного содержимого: свои файлы\n"
        "кладите туда, они важнее установленных файлов с тем же именем; туда же\n"
        "окно настроек пишет config.cfg.\n"
        "\n");
    if (folders.installed.isEmpty())
        text += QStringLiteral("Запущенный отсюда, Стаканыч работает в папке %1\n")
                    .arg(QDir::toNativeSeparators(folders.user));
    else
        text += QStringLiteral("Запущенный отсюда, Стаканыч работает в папке %1\n"
                               "поверх установленного содержимого в %2\n")
                    .arg(QDir::toNativeSeparators(folders.user),
                         QDir::toNativeSeparators(folders.installed));
    return text;
}

QString VersionText()
{
    return QStringLiteral("stakanych " STAK_VERSION "\n");
}

} // namespace stak
