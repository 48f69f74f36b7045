#include "scenario/checker.h"

#include "core/configkeys.h"
#include "core/contentfile.h"
#include "core/contentpath.h"
#include "core/ini.h"
#include "core/picture.h"
#include "core/settings.h"
#include "core/textfile.h"
#include "formats/dates.h"
#include "formats/phrases.h"
#include "formats/userbuttons.h"
#include "formats/wavfile.h"
#include "scenario/commands.h"
#include "scenario/scenarioline.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace stak {

namespace {

// The folder the program would run in is the current folder while a check
// runs; the old one comes back afterwards.
class InFolder
{
public:
    explicit InFolder(const QString &folder) : m_old(QDir::currentPath())
    {
        m_entered = folder.isEmpty() || QDir::setCurrent(folder);
    }
    ~InFolder() { QDir::setCurrent(m_old); }
    bool entered() const { return m_entered; }

private:
    QString m_old;
    bool m_entered;
};

// "a..b", or the one number when they are equal.
QString range(int a, int b)
{
    return a == b ? QString::number(a) : QStringLiteral("%1..%2").arg(a).arg(b);
}

class Checker
{
public:
    // prefix: how the caller wrote the folder, put before every file name.
    explicit Checker(QString prefix) : m_prefix(std::move(prefix)) {}

    // By file in the order they were checked, each file's by line.
    QStringList reports() const
    {
        QList<Report> sorted = m_reports;
        QHash<QString, qsizetype> fileOrder;
        for (const Report &r : sorted)
            fileOrder.insert(r.file, fileOrder.value(r.file, fileOrder.size()));
        std::stable_sort(sorted.begin(), sorted.end(), [&](const Report &a, const Report &b) {
            return std::pair(fileOrder.value(a.file), a.line) <
                   std::pair(fileOrder.value(b.file), b.line);
        });
        QStringList out;
        for (const Report &r : sorted)
            out << QStringLiteral("%1%2:%3: %4").arg(m_prefix, r.file).arg(r.line).arg(r.message);
        return out;
    }

    void folder()
    {
        config();
        if (contentFileExists(QStringLiteral("date.tlk")))
            holidays(QStringLiteral("date.tlk"));
        for (const char *name : {"text.tlk", "tost.tlk", "sound.tlk", "zag.tlk"})
            if (contentFileExists(QLatin1String(name)))
                phrases(QLatin1String(name));
        if (contentFileExists(QStringLiteral("user.but")))
            userButtons(QStringLiteral("user.but"));
        QStringList scenarios =
            listContentFiles(QString(), {QStringLiteral("*.scn"), QStringLiteral("button*.but")});
        for (const QString &named : std::as_const(m_namedScenarios))
            scenarios << named;
        for (const QString &s : std::as_const(scenarios))
            if (contentFileExists(s) && !m_checkedScenarios.contains(identity(s)))
                scenario(s);
        if (contentFileExists(QStringLiteral("pics/order.txt")))
            pictureOrder(QStringLiteral("pics/order.txt"));
        for (const QString &name : listContentFiles(
                 QStringLiteral("pics"),
                 {QStringLiteral("*.bmp"), QStringLiteral("*.jpg"), QStringLiteral("*.gif")}))
            picture(QStringLiteral("pics/") + name);
    }

    void file(const QString &name)
    {
        if (!contentFileExists(name))
            return report(name, 0, QStringLiteral("файла нет"));
        const QString lower = name.toLower();
        if (lower == QStringLiteral("config.cfg"))
            config();
        else if (lower == QStringLiteral("date.tlk"))
            holidays(name);
        else if (lower.endsWith(QStringLiteral(".tlk")))
            phrases(name);
        else if (lower == QStringLiteral("user.but"))
            userButtons(name);
        else if (lower == QStringLiteral("order.txt"))
            pictureOrder(name);
        else if (lower.endsWith(QStringLiteral(".bmp")) || lower.endsWith(QStringLiteral(".jpg")) ||
                 lower.endsWith(QStringLiteral(".gif")))
            picture(name);
        else if (lower.endsWith(QStringLiteral(".wav")))
            sound(name);
        else if (!lower.endsWith(QStringLiteral(".txt")) && !lower.endsWith(QStringLiteral(".mp3")))
            scenario(name); // texts and music are shown and played as they are
    }

    void scenario(const QString &file)
    {
        m_checkedScenarios.insert(identity(file));
        const auto text = readTextFile(file);
        if (!text)
            return report(file, 0, QStringLiteral("не удалось прочитать файл"));
        QString includeText;
        const QStringList lines = splitScenarioLines(*text);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const int n = int(i + 1);
            const ScenarioLine line = ParseScenarioLine(lines[i], includeText);
            if (line.comment)
                continue;
            const ScenarioCommandRow *row = FindScenarioCommand(line.command);
            if (!row) {
                report(file, n, QStringLiteral("неизвестная команда \"%1\"").arg(line.command));
                continue;
            }
            const QString &arg = line.argument;
            const ScenarioArgument a = ParseScenarioArgument(row->argument, arg);
            const QString at = line.command + QStringLiteral(": ");
            if (!a.ok()) {
                report(file, n, at + a.error);
                continue;
            }
            switch (row->argument) {
            case ArgumentKind::None:
            case ArgumentKind::Text:
            case ArgumentKind::CountOrEmpty:
            case ArgumentKind::ButtonIndex:
            case ArgumentKind::Switch:
                break;
            case ArgumentKind::Number:
                if (row->command == ScenarioCommand::BaseVoice)
                    voicePhrase(file, n, at, a.number);
                break;
            case ArgumentKind::SoundOrPhrase:
                if (a.phrase) {
                    voicePhrase(file, n, at, a.number);
                    break;
                }
                [[fallthrough]];
            case ArgumentKind::File:
                if (const auto problem = fileProblem(arg, row->file))
                    report(file, n, at + *problem);
                else if (row->file == FileKind::Text)
                    includeText = readTextFile(arg).value_or(QString());
                break;
            }
        }
    }

private:
    // The one name of a file however a content file spells it.
    static QString identity(const QString &path)
    {
        return QFileInfo(resolveContentPath(path)).canonicalFilePath();
    }

    struct Report
    {
        QString file;
        int line;
        QString message;
    };

    void report(const QString &file, int line, const QString &message)
    {
        m_reports.append({file, line, message});
    }

    // What is wrong with a file a content file names; no value when nothing.
    static std::optional<QString> fileProblem(const QString &path, FileKind kind)
    {
        if (path.isEmpty())
            return QStringLiteral("не указан файл");
        if (!contentFileExists(path))
            return QStringLiteral("нет файла \"%1\"").arg(path);
        switch (kind) {
        case FileKind::None:
        case FileKind::Text:
            break;
        case FileKind::Picture:
            if (loadPicture(path).isNull())
                return QStringLiteral("\"%1\" не читается как картинка BMP, JPEG или GIF")
                    .arg(path);
            break;
        case FileKind::Sound: {
            // Read as the program reads it: a FIFO or a huge file is no sound.
            const auto bytes = readContentFile(path, ContentKind::Sound);
            if (!bytes)
                return QStringLiteral("не удалось прочитать файл \"%1\"").arg(path);
            if (const auto why = WavProblem(*bytes))
                return QStringLiteral("звук \"%1\" не сыграет: %2").arg(path, *why);
            break;
        }
        }
        return std::nullopt;
    }

    // Voice phrase n of sound.tlk (0: a random one) must exist.
    void voicePhrase(const QString &file, int line, const QString &at, int n)
    {
        if (!m_voicePhrases) {
            m_voicePhrases =
                int(ParsePhraseFile(readTextFile(QStringLiteral("sound.tlk")).value_or(QString()))
                        .phrases.size());
        }
        if (n > *m_voicePhrases)
            report(file, line,
                   at + QStringLiteral("фразы %1 в sound.tlk нет (всего фраз: %2), "
                                       "ничего не прозвучит")
                            .arg(n)
                            .arg(*m_voicePhrases));
    }

    void picture(const QString &file)
    {
        if (loadPicture(file).isNull())
            report(file, 0, QStringLiteral("не читается как картинка BMP, JPEG или GIF"));
    }

    void sound(const QString &file)
    {
        if (const auto problem = fileProblem(file, FileKind::Sound))
            report(file, 0, *problem);
    }

    void phrases(const QString &file)
    {
        const auto text = readTextFile(file);
        if (!text)
            return report(file, 0, QStringLiteral("не удалось прочитать файл"));
        const PhraseFile f = ParsePhraseFile(*text);
        const int real = int(f.phrases.size());
        if (f.lines.isEmpty())
            return report(file, 0, QStringLiteral("файл пуст"));
        if (!f.count) {
            report(file, 1,
                   QStringLiteral("в первой строке должно быть число фраз (целое, больше нуля), "
                                  "а стоит \"%1\": из файла ничего не будет выбрано")
                       .arg(f.lines[0]));
        } else if (real > 0 && *f.count > real) {
            report(file, 1,
                   QStringLiteral("в первой строке число фраз %1, а их в файле %2: случайный "
                                  "выбор номеров %3 покажет пустую фразу")
                       .arg(*f.count)
                       .arg(real)
                       .arg(range(real + 1, *f.count)));
        } else if (*f.count < real) {
            report(file, 1,
                   QStringLiteral("в первой строке число фраз %1, а их в файле %2: %3 "
                                  "случайно никогда не %4")
                       .arg(*f.count)
                       .arg(real)
                       .arg(*f.count + 1 == real
                                ? QStringLiteral("фраза %1").arg(real)
                                : QStringLiteral("фразы %1").arg(range(*f.count + 1, real)))
                       .arg(*f.count + 1 == real ? QStringLiteral("выпадет")
                                                 : QStringLiteral("выпадут")));
        }
        if (f.count && *f.count <= 2 && real > 0)
            report(file, 1,
                   *f.count == 1 ? QStringLiteral("фраза всего одна: она будет повторяться раз "
                                                  "за разом (нужно хотя бы три)")
                                 : QStringLiteral("фраз всего две: они будут строго чередоваться "
                                                  "(нужно хотя бы три)"));
        if (real == 0)
            report(file, 0,
                   QStringLiteral("нет ни одной фразы (фраза начинается со строки \">\")"));
        const qsizetype firstPhrase = real > 0 ? f.phrases.first().line : f.lines.size();
        for (qsizetype i = 1; i < firstPhrase; ++i)
            if (!f.lines[i].trimmed().isEmpty())
                report(file, int(i + 1),
                       QStringLiteral("строка до первой фразы не входит ни в одну фразу "
                                      "(фраза начинается со строки \">\")"));
        const QString lower = QFileInfo(file).fileName().toLower();
        if (lower == QStringLiteral("text.tlk"))
            namedScenarios(file, f);
        else if (lower == QStringLiteral("sound.tlk"))
            voicePhrases(file, f);
    }

    // "%exescript%" phrases of text.tlk run the scenario they name.
    void namedScenarios(const QString &file, const PhraseFile &f)
    {
        for (const PhraseFile::Phrase &p : f.phrases) {
            const auto name = ExescriptScenario(p.text);
            if (!name)
                continue;
            if (name->isEmpty())
                report(file, int(p.line + 1),
                       QStringLiteral("после %exescript% не назван сценарий"));
            else if (!contentFileExists(*name))
                report(file, int(p.line + 1),
                       QStringLiteral("%exescript% называет сценарий \"%1\", а такого файла нет")
                           .arg(*name));
            else
                m_namedScenarios << *name;
        }
    }

    void voicePhrases(const QString &file, const PhraseFile &f)
    {
        // The voice menu takes the line after every ">" line as its caption:
        // a phrase without a text line lends it the next ">" line, and from
        // there on every caption belongs to the phrase after the one it plays.
        bool menuAstray = false;
        for (qsizetype k = 0; k < f.phrases.size(); ++k) {
            const PhraseFile::Phrase &p = f.phrases[k];
            const int line = int(p.line + 1);
            const int number = int(k + 1);
            const VoicePhrase voice = SplitVoicePhrase(p.text);
            if (voice.file.trimmed().isEmpty())
                report(file, line,
                       QStringLiteral("у голосовой фразы %1 нет имени WAV-файла").arg(number));
            else if (const auto problem =
                         fileProblem(QStringLiteral("wav\\") + voice.file, FileKind::Sound))
                report(file, line,
                       QStringLiteral("голосовая фраза %1: %2").arg(number).arg(*problem));
            const bool lastLine = p.line + 1 >= f.lines.size();
            if (!lastLine && !f.lines[p.line + 1].startsWith(QLatin1Char('>')))
                continue;
            QString message = QStringLiteral("у голосовой фразы %1 нет строки текста").arg(number);
            if (lastLine)
                message += QStringLiteral(": в меню голосов её не будет");
            else if (!menuAstray)
                message += QStringLiteral(": с пункта %1 меню голосов подписи не совпадают с "
                                          "фразами")
                               .arg(number);
            menuAstray |= !lastLine;
            report(file, line, message);
        }
    }

    void userButtons(const QString &file)
    {
        const QStringList lines = splitLines(readTextFile(file).value_or(QString()));
        for (qsizetype i = 5; i < lines.size(); ++i)
            if (!lines[i].trimmed().isEmpty()) {
                report(file, int(i + 1),
                       QStringLiteral("кнопок не больше пяти: строки с шестой не используются"));
                break;
            }
        const auto buttons = ParseUserButtons(lines);
        for (int k = 1; k <= 5; ++k)
            if (buttons[k] && !buttons[k]->caption.isEmpty() &&
                !contentFileExists(UserButtonScenario(k)))
                report(file, k,
                       QStringLiteral("у кнопки \"%1\" нет сценария %2")
                           .arg(buttons[k]->caption, UserButtonScenario(k)));
    }

    void holidays(const QString &file)
    {
        static const QRegularExpression key(QStringLiteral("^([0-9]+)-([0-9]+)"));
        const QStringList lines = splitLines(readTextFile(file).value_or(QString()));
        QHash<QString, int> firstLine;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString &line = lines[i];
            const int n = int(i + 1);
            if (line.trimmed().isEmpty())
                continue;
            const QRegularExpressionMatch m = key.match(line);
            if (!m.hasMatch()) {
                report(file, n,
                       QStringLiteral("строка должна начинаться с числа и месяца через дефис и "
                                      "пробела, например \"7-1 Рождество\""));
                continue;
            }
            const QString written = m.captured(0);
            const QDate day(2004, m.captured(2).toInt(), m.captured(1).toInt());
            if (!day.isValid()) {
                report(file, n, QStringLiteral("дня \"%1\" не бывает").arg(written));
                continue;
            }
            const QString dayKey = HolidayKey(day);
            if (!line.startsWith(dayKey)) {
                report(file, n,
                       written.startsWith(dayKey.trimmed())
                           ? QStringLiteral("после \"%1\" нужен пробел").arg(written)
                           : QStringLiteral("\"%1\" не совпадёт ни с одним днём: числа пишутся "
                                            "без нулей впереди, \"%2\"")
                                 .arg(written, dayKey.trimmed()));
                continue;
            }
            if (const auto before = firstLine.constFind(dayKey); before != firstLine.constEnd())
                report(file, n,
                       QStringLiteral("день %1 уже есть в строке %2: показывается только первая")
                           .arg(dayKey.trimmed())
                           .arg(*before));
            else
                firstLine.insert(dayKey, n);
        }
    }

    void pictureOrder(const QString &file)
    {
        const QStringList lines = splitLines(readTextFile(file).value_or(QString()));
        if (lines.isEmpty())
            return report(file, 0, QStringLiteral("файл пуст: картинка меняться не будет"));
        const QString folder = QFileInfo(file).path() + QLatin1Char('/');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const int n = int(i + 1);
            if (lines[i].isEmpty())
                report(file, n,
                       QStringLiteral("пустая строка: когда до неё дойдёт очередь, картинка "
                                      "не сменится"));
            else if (const auto problem = fileProblem(folder + lines[i], FileKind::Picture))
                report(file, n, *problem);
        }
    }

    void config()
    {
        const QString file = QStringLiteral("config.cfg");
        const auto text = readTextFile(file);
        Settings s;
        LoadSettings(s);
        struct Key
        {
            int line;
            QString value;
        };
        QHash<QString, Key> keys; // lower-case key -> its first entry
        if (text) {
            // The section as the program reads it.
            const auto entries = iniSectionEntries(*text, QStringLiteral("Stakanych"));
            if (!entries && !text->isEmpty())
                report(file, 0,
                       QStringLiteral("нет раздела [Stakanych]: все настройки будут по "
                                      "умолчанию"));
            for (const IniEntry &e : entries.value_or(QList<IniEntry>())) {
                if (!e.key) {
                    report(file, e.line,
                           QStringLiteral("в строке нет знака \"=\": это не настройка"));
                    continue;
                }
                const QString lower = e.key->toLower();
                if (!findConfigKey(lower))
                    report(file, e.line,
                           QStringLiteral("неизвестный ключ \"%1\": программа его не читает")
                               .arg(*e.key));
                else if (const auto first = keys.constFind(lower); first != keys.constEnd())
                    report(file, e.line,
                           QStringLiteral("%1 уже задан в строке %2: это значение не "
                                          "используется")
                               .arg(*e.key)
                               .arg(first->line));
                else
                    keys.insert(lower, {e.line, e.value});
            }
        }

        const auto number = [&](const ConfigKey &key) {
            const auto entry = keys.constFind(key.key().toLower());
            if (entry == keys.constEnd())
                return;
            const int line = entry->line;
            const QString &raw = entry->value;
            const qint32 used = key.fileNumber(s);
            const auto value = ParseConfigNumber(raw);
            if (!value)
                report(file, line,
                       QStringLiteral("%1: \"%2\" - не целое число, программа возьмёт %3")
                           .arg(key.key(), raw)
                           .arg(used));
            else if (*value != used)
                report(file, line,
                       QStringLiteral("%1=%2 - вне пределов (%3), программа возьмёт %4")
                           .arg(key.key())
                           .arg(*value)
                           .arg(configRange(key))
                           .arg(used));
        };
        for (const ConfigKey &key : configKeys())
            if (key.isNumber())
                number(key);

        const auto lineOf = [&](const ConfigKey &key) {
            return keys.value(key.key().toLower(), {0, {}}).line;
        };
        const auto picture = [&](const ConfigKey &key, const QString &path) {
            const int line = lineOf(key);
            if (const auto problem = fileProblem(path, FileKind::Picture))
                report(file, line,
                       key.key() +
                           (line ? QStringLiteral(": ") : QStringLiteral(" (по умолчанию): ")) +
                           *problem);
        };
        picture(configKey(&Settings::mypic), s.mypic);
        if (!s.texture.trimmed().isEmpty())
            picture(configKey(&Settings::texture), s.texture.trimmed());
        if (!s.exescript.isEmpty()) {
            const ConfigKey &exescript = configKey(&Settings::exescript);
            if (contentFileExists(s.exescript))
                m_namedScenarios << s.exescript;
            else
                report(file, lineOf(exescript),
                       QStringLiteral("%1: нет сценария \"%2\"").arg(exescript.key(), s.exescript));
        }
    }

    QString m_prefix;
    QList<Report> m_reports;
    std::optional<int> m_voicePhrases;
    QStringList m_namedScenarios;
    QSet<QString> m_checkedScenarios;
};

// How a report names the folder: nothing for the current one.
QString folderPrefix(const QString &folder)
{
    if (folder.isEmpty() || folder == QStringLiteral("."))
        return {};
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}
} // namespace

QStringList CheckContentFolder(const QString &folder)
{
    InFolder in(folder);
    if (!in.entered())
        return {folder + QStringLiteral(":0: нет такой папки")};
    Checker checker(folderPrefix(folder));
    checker.folder();
    return checker.reports();
}

QStringList CheckContentFile(const QString &file)
{
    const QFileInfo info(file);
    const QString folder = file.contains(QLatin1Char('/')) ? info.path() : QString();
    InFolder in(folder);
    if (!in.entered())
        return {file + QStringLiteral(":0: файла нет")};
    Checker checker(folderPrefix(folder));
    checker.file(info.fileName());
    return checker.reports();
}

QStringList CheckScenarioFile(const QString &file)
{
    Checker checker{QString()};
    checker.scenario(file);
    return checker.reports();
}

} // namespace stak
