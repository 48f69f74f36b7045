#include "app/cmdoptions.h"

#include <QDir>
#include <optional>

namespace stak {

CommandLine ParseCommandLine(const QStringList &args)
{
    CommandLine c;
    QStringList rest;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        // The argument after an option, when there is one that is no option.
        const auto value = [&]() -> std::optional<QString> {
            if (i + 1 < args.size() && !args[i + 1].startsWith(QStringLiteral("--")))
                return args[++i];
            return std::nullopt;
        };
        if (a == QStringLiteral("--help") || a == QStringLiteral("-h")) {
            c.help = true;
        } else if (a == QStringLiteral("--version")) {
            c.version = true;
        } else if (a == QStringLiteral("--trace")) {
            c.trace = true;
        } else if (a == QStringLiteral("--say") || a == QStringLiteral("--run") ||
                   a == QStringLiteral("--action")) {
            const auto kind = a == QStringLiteral("--say")   ? CompanionRequest::Say
                              : a == QStringLiteral("--run") ? CompanionRequest::Run
                                                             : CompanionRequest::Action;
            const auto v = value();
            if (!v || v->isEmpty())
                c.error =
                    a + (kind == CompanionRequest::Say ? QStringLiteral(": нужен текст")
                         : kind == CompanionRequest::Run ? QStringLiteral(": нужен файл сценария")
                                                         : QStringLiteral(": нужно действие"));
            else
                c.requests.append({kind, *v});
        } else if (a == QStringLiteral("--toast")) {
            c.requests.append({CompanionRequest::Toast, value().value_or(QString())});
        } else if (a == QStringLiteral("--voice")) {
            bool number = false;
            const int n = i + 1 < args.size() ? args[i + 1].toInt(&number) : 0;
            if (number && n >= 0)
                ++i;
            c.requests.append({CompanionRequest::Voice, {}, number && n >= 0 ? n : 0});
        } else {
            rest << a;
        }
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
        "        stakanych --say ТЕКСТ | --toast [ТЕКСТ] | --voice [N] | --run ФАЙЛ\n"
        "                  | --action toast|anecdote|drink|riddle\n"
        "\n"
        "  СЦЕНАРИЙ           файл сценария (*.scn): весь текст после имени программы.\n"
        "                     Он сразу выбран в первом окне и выполняется, как только\n"
        "                     откроется окно Стаканыча.\n"
        "  --say ТЕКСТ        сказать текст в строке под картинкой\n"
        "  --toast [ТЕКСТ]    предложить тост: этот или случайный\n"
        "  --voice [N]        голосовая фраза N из sound.tlk или случайная\n"
        "  --run ФАЙЛ         выполнить сценарий\n"
        "  --action ДЕЙСТВИЕ  действие со значка программы: toast - тост, anecdote -\n"
        "                     анекдот, drink - кнопка \"Выпьем\", riddle - загадка.\n"
        "                     Эти пять передаются уже запущенному Стаканычу, и команда\n"
        "                     сразу завершается; если он не запущен, программа\n"
        "                     запускается как обычно и выполняет просьбу, как только\n"
        "                     откроется окно Стаканыча.\n"
        "  --trace            печатать каждую выполненную строку сценария с временем\n"
        "                     от начала его выполнения и каждую выполненную просьбу\n"
        "                     (в стандартный поток ошибок)\n"
        "  --help             эта справка\n"
        "  --version          версия программы\n"
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
