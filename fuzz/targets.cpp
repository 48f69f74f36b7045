#include "targets.h"

#include "companion/frmstakan.h"
#include "core/appcontext.h"
#include "core/contentfile.h"
#include "core/contentpath.h"
#include "core/cp1251.h"
#include "core/ini.h"
#include "core/picture.h"
#include "core/textfile.h"
#include "formats/dates.h"
#include "formats/orderfile.h"
#include "formats/phrases.h"
#include "formats/userbuttons.h"
#include "platform/fakeplatform.h"
#include "scenario/scenarioline.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <sys/stat.h>

namespace stak::fuzz {

namespace {

// An invariant that must hold for every input.
void require(bool condition)
{
    if (!condition)
        std::abort();
}

void writeFile(const QString &name, QByteArrayView bytes)
{
    QDir().mkpath(QFileInfo(name).path());
    QFile f(name);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes.data(), bytes.size());
}

// The program's services afresh for every input: nothing one input leaves in
// the phrase history, the settings or the records of the platform can change
// how the next one runs. The platform itself (with its temporary folder) is
// made once and emptied.
FakePlatform &emptiedPlatform(FakeClock &clock)
{
    static FakePlatform fake;
    fake.answers.clear();
    fake.boxes.clear();
    fake.sounds.clear();
    fake.waitedSounds.clear();
    fake.music.clear();
    fake.addresses.clear();
    fake.textFiles.clear();
    fake.cdDoor.clear();
    fake.sleeps.clear();
    fake.eventPumps = 0;
    fake.captures = 0;
    fake.clock = &clock;
    fake.screenAreas = {{0, 0, 64, 48}}; // screen effects stay cheap
    return fake;
}

struct Context
{
    FakeClock clock;
    ScriptedRandom random{{0.25f, 0.5f, 0.75f, 0.1f}};
    AppContext app{&emptiedPlatform(clock), &clock, &random};
};

QString text(QByteArrayView input)
{
    return decodeContentText(input);
}

// Phrase files, scenario lines and the INI reader and writer.
void content(QByteArrayView input)
{
    Context ctx;
    const QByteArray bytes = input.toByteArray();
    // Windows-1251 text survives a round trip byte for byte.
    require(encodeCp1251(decodeCp1251(bytes)) == bytes);

    writeFile(QStringLiteral("any.tlk"), bytes);
    for (int n : {0, 1, 2, 7})
        ReadPhrase(QStringLiteral("any.tlk"), n);

    for (const QString &line : splitScenarioLines(text(input))) {
        const ScenarioLine l = ParseScenarioLine(line, line);
        ScenarioNumber(l.argument);
        ScenarioIndex(l.argument);
    }

    // Writing a key keeps everything else and reads back what was written.
    writeFile(QStringLiteral("c.cfg"), bytes);
    const QString file = QStringLiteral("c.cfg"), section = QStringLiteral("Stakanych");
    readIniValue(file, section, QStringLiteral("quake"), QString());
    if (writeIniValue(file, section, QStringLiteral("fuzz"), QStringLiteral("42")))
        require(readIniValue(file, section, QStringLiteral("fuzz"), QString()) ==
                QStringLiteral("42"));
    QFile::remove(file);
}

void userButtons(QByteArrayView input)
{
    for (const auto &b : ParseUserButtons(splitLines(text(input)))) {
        if (b)
            require(b->caption == b->caption.trimmed() && (b->hidden || !b->caption.isEmpty()));
    }
}

// The voice menu of sound.tlk and the voice phrases read from it.
void voices(QByteArrayView input)
{
    Context ctx;
    const QString t = text(input);
    const QList<VoiceMenuItem> items = VoiceMenuItems(splitLines(t));
    require(items.size() <= t.count(QLatin1Char('>')));
    writeFile(QStringLiteral("sound.tlk"), input);
    for (int n : {0, 1, 2, 3}) {
        const VoicePhrase p = SplitVoicePhrase(ReadPhrase(QStringLiteral("sound.tlk"), n));
        require(!p.file.startsWith(QLatin1Char('\r')) && !p.file.startsWith(QLatin1Char('\n')));
    }
}

// pics\order.txt: every step shows a line and the position goes round.
void order(QByteArrayView input)
{
    const QString t = text(input);
    const qsizetype lines = splitLines(t).size();
    qint32 position = 0;
    const qsizetype steps = qMin<qsizetype>(lines, 40);
    for (qsizetype i = 0; i < steps + 1; ++i) {
        const OrderStep step = NextOrderEntry(t, position);
        require(step.line.has_value() == (lines > 0));
        require(step.position >= 0 && step.position <= lines);
        position = step.position;
        if (i + 1 == lines)
            require(position == 0);
    }
}

// config.cfg as the start dialog loads it: every clamp holds.
void loadSettings(QByteArrayView input)
{
    Context ctx;
    writeFile(QStringLiteral("config.cfg"), input);
    Settings s;
    LoadSettings(s);
    require(1000 <= s.BaseIntervalFrom && s.BaseIntervalFrom <= s.BaseIntervalTo &&
            s.BaseIntervalTo <= 60000);
    require(s.BaseIntervalFrom % 1000 == 0 && s.BaseIntervalTo % 1000 == 0);
    require(0 <= s.randompic && s.randompic <= 100);
    for (const QString *v : {&s.exescript, &s.mypic, &s.texture})
        require(v->size() <= 254);
    QFile::remove(QStringLiteral("config.cfg"));
}

// The path resolver on the files set up below, never leaving the folder.
void paths(QByteArrayView input)
{
    QString path = text(input);
    if (path.size() > 200 || path.contains(QStringLiteral("..")))
        return;
    if (path.startsWith(QLatin1Char('/')) || path.startsWith(QLatin1Char('\\')))
        path.prepend(QLatin1Char('.'));
    resolveContentPath(path);
    // Every regular file here is small: one that exists can be read.
    if (contentFileExists(path))
        require(readContentFile(path, ContentKind::Text).has_value());
}

void picture(QByteArrayView input)
{
    const QImage img = decodePicture(input.toByteArray());
    if (!img.isNull()) {
        require(img.format() == QImage::Format_RGB32);
        require(qint64(img.width()) * img.height() * 4 <= qint64(32) << 20);
    }
}

// date.tlk: the holiday line of a few days.
void dates(QByteArrayView input)
{
    const QString t = text(input);
    for (const QDate &day :
         {QDate(2004, 1, 1), QDate(2004, 1, 7), QDate(2004, 3, 8), QDate(2004, 2, 29)}) {
        const QString line = HolidayLine(t, day);
        require(!line.contains(QStringLiteral("%br%"), Qt::CaseInsensitive));
    }
}

// A whole scenario run on the companion window against the recording
// platform. Effects with huge step counts only take long; they are left out.
void scenario(QByteArrayView input)
{
    const QStringList lines = splitScenarioLines(text(input));
    if (lines.size() > 300)
        return;
    for (const QString &raw : lines) {
        const ScenarioLine l = ParseScenarioLine(raw);
        const auto n = ScenarioNumber(l.argument);
        if ((l.command == QStringLiteral("gluk") || l.command == QStringLiteral("biggluk")) &&
            !l.argument.isEmpty() && (!n || *n > 20000))
            return;
        if (l.command == QStringLiteral("biggluk") && l.argument.isEmpty())
            return;
        if (l.command == QStringLiteral("setquake") && n && *n > 50)
            return;
    }
    Context ctx;
    LoadSettings();
    settings().quake = 2;
    writeFile(QStringLiteral("run.scn"), input);
    FrmStakan window;
    try {
        window.companion().RunScenario(QStringLiteral("run.scn"));
    } catch (const ProgramExit &) {
        return; // unload
    }
    require(!window.companion().ScenarioBusy);
}

const QList<Target> kTargets{
    {"content", content},       {"user_buttons", userButtons},
    {"voices", voices},         {"order", order},
    {"settings", loadSettings}, {"paths", paths},
    {"picture", picture},       {"dates", dates},
    {"scenario", scenario},
};

} // namespace

const QList<Target> &targets()
{
    return kTargets;
}

const Target *findTarget(QByteArrayView name)
{
    for (const Target &t : kTargets)
        if (name == QByteArrayView(t.name))
            return &t;
    return nullptr;
}

void setUpOnce()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // Qt warns about much of what hostile input does (names with NUL, pictures
    // beyond the allocation limit); fatal messages still end the run.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &) {
        if (type == QtFatalMsg)
            std::abort();
    });
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);
    static QTemporaryDir dir;
    QDir::setCurrent(dir.path());

    // Content for the scenarios and the resolver to find.
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    for (const char *name : {"a.bmp", "alk1.bmp", "Pics/Sub/Bottle.BMP"}) {
        QDir().mkpath(QFileInfo(QLatin1String(name)).path());
        red.save(QLatin1String(name), "BMP");
    }
    writeFile(QStringLiteral("text.tlk"),
              "2\r\n>\xcf\xf0\xe8\xe2\xe5\xf2\r\n>%exescript% run.scn\r\n");
    writeFile(QStringLiteral("tost.tlk"), "1\r\n>\xc7\xe0 \xed\xe0\xf1!\r\n");
    writeFile(QStringLiteral("inc.txt"), "5");
    writeFile(QStringLiteral("a.txt"), "lower");
    writeFile(QStringLiteral("A.txt"), "upper");
    QDir().mkpath(QStringLiteral("dir/sub"));
    ::mkfifo("pipe", 0600);
    // Qt's font and image caches fill on first use and stay: filled here, they
    // are not taken for what an input leaked.
    scenario("tost\r\ntoon\r\nmsg\r\nnone\r\npic a.bmp\r\ngluk 10\r\nbiggluk 10\r\n");
    picture(QByteArray("GIF89a"));
}

} // namespace stak::fuzz
