// Feeds arbitrary bytes to the readers of content files: as a phrase file, a
// scenario and config.cfg. Any crash, hang or sanitizer report is a bug; the
// round trips below must hold for every input.
#include "core/appcontext.h"
#include "core/cp1251.h"
#include "core/ini.h"
#include "core/textfile.h"
#include "phrases/phrases.h"
#include "scenario/scenarioline.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

using namespace stak;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static const bool entered = QDir::setCurrent(dir.path());
    static SystemClock clock;
    static MixingRandom random;
    static AppContext context(nullptr, &clock, &random);
    (void)entered;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // Windows-1251 text survives a round trip byte for byte.
    if (encodeCp1251(decodeCp1251(bytes)) != bytes)
        std::abort();

    QFile f(QStringLiteral("text.tlk"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    f.write(bytes);
    f.close();
    for (int n : {0, 1, 2, 7})
        ReadPhrase(QStringLiteral("text.tlk"), n);

    for (const QString &line : splitScenarioLines(decodeContentText(bytes))) {
        const ScenarioLine l = ParseScenarioLine(line, line);
        ScenarioNumber(l.argument);
        ScenarioIndex(l.argument);
    }

    // Writing a key keeps everything else and reads back what was written.
    QFile::copy(QStringLiteral("text.tlk"), QStringLiteral("c.cfg"));
    QFile::setPermissions(QStringLiteral("c.cfg"), QFile::ReadOwner | QFile::WriteOwner);
    readIniValue(QStringLiteral("c.cfg"), QStringLiteral("Stakanych"), QStringLiteral("quake"),
                 QString());
    if (writeIniValue(QStringLiteral("c.cfg"), QStringLiteral("Stakanych"), QStringLiteral("fuzz"),
                      QStringLiteral("42"))) {
        if (readIniValue(QStringLiteral("c.cfg"), QStringLiteral("Stakanych"),
                         QStringLiteral("fuzz"), QString()) != QStringLiteral("42"))
            std::abort();
    }
    QFile::remove(QStringLiteral("c.cfg"));
    return 0;
}
