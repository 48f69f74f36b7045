// Feeds the committed corpus of every fuzz target to its entry point: what the
// fuzzer once found stays fixed, without a fuzzer in the build.
// Usage: fuzz_replay CORPUS-FOLDER
#include "targets.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_replay CORPUS-FOLDER\n");
        return 2;
    }
    // Absolute: the targets work in a folder of their own.
    const QDir root(QFileInfo(QFile::decodeName(argv[1])).absoluteFilePath());
    stak::fuzz::setUpOnce();
    int inputs = 0;
    for (const stak::fuzz::Target &t : stak::fuzz::targets()) {
        const QDir dir(root.filePath(QLatin1String(t.name)));
        const QStringList files = dir.entryList(QDir::Files, QDir::Name);
        if (files.isEmpty()) {
            std::fprintf(stderr, "no corpus for %s in %s\n", t.name,
                         qPrintable(dir.absolutePath()));
            return 1;
        }
        for (const QString &name : files) {
            QFile f(dir.filePath(name));
            if (!f.open(QIODevice::ReadOnly))
                return 1;
            t.run(f.readAll());
            ++inputs;
        }
    }
    std::printf("replayed %d inputs of %d targets\n", inputs, int(stak::fuzz::targets().size()));
    return 0;
}
