// Paints the default pictures of the content folder.
// Usage: drawpics CONTENT_DIR
// The pictures are drawn from fixed seeds, so a rerun writes the same bytes.
#include "paint.h"
#include "scenes.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// A seed from the file name: qHash is salted per process and would not repeat.
quint32 seedFor(const QString &path)
{
    quint32 h = 2166136261u;
    for (const QChar ch : path) {
        h ^= ch.unicode();
        h *= 16777619u;
    }
    return h;
}

bool save(const QImage &img, const QString &file, const QString &tmpDir, bool cutOut)
{
    const QString suffix = QFileInfo(file).suffix().toLower();
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (suffix == QStringLiteral("bmp"))
        return img.convertToFormat(QImage::Format_RGB888).save(file, "BMP");
    if (suffix == QStringLiteral("jpg"))
        return img.convertToFormat(QImage::Format_RGB888).save(file, "JPG", 85);
    if (suffix == QStringLiteral("gif")) {
        // Qt has no GIF writer; ImageMagick reduces the colours instead.
        const QString png = tmpDir + QStringLiteral("/") + QFileInfo(file).completeBaseName() +
                            QStringLiteral(".png");
        if (!img.convertToFormat(cutOut ? QImage::Format_ARGB32 : QImage::Format_RGB888)
                 .save(png, "PNG"))
            return false;
        // A GIF pixel is either opaque or transparent; the transparent colour
        // is white, so that a reader that drops transparency shows white.
        QStringList args{png, QStringLiteral("-strip")};
        if (cutOut)
            args << QStringLiteral("-channel") << QStringLiteral("A")
                 << QStringLiteral("-threshold") << QStringLiteral("50%")
                 << QStringLiteral("+channel") << QStringLiteral("-transparent-color")
                 << QStringLiteral("white");
        args << QStringLiteral("-colors") << QStringLiteral("256") << file;
        return QProcess::execute(QStringLiteral("convert"), args) == 0;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // drawpics --icons THEME_DIR: the program's icon instead of the content.
    if (argc == 3 && QByteArrayView(argv[1]) == "--icons")
        return pics::writeIcons(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    if (argc < 2) {
        std::fprintf(stderr, "usage: drawpics CONTENT_DIR [NAME...]\n");
        return 2;
    }
    const QDir fontDir(QStringLiteral("/usr/share/fonts/truetype/dejavu"));
    for (const QString &f : fontDir.entryList({QStringLiteral("*.ttf")}))
        QFontDatabase::addApplicationFont(fontDir.filePath(f));

    const QString content = QString::fromLocal8Bit(argv[1]);
    QStringList only;
    for (int i = 2; i < argc; ++i)
        only << QString::fromLocal8Bit(argv[i]);

    QList<pics::Picture> list;
    pics::addMainPictures(list);
    pics::addPanelPictures(list);

    QTemporaryDir tmp;
    int failures = 0;
    for (const pics::Picture &pic : list) {
        if (!only.isEmpty() && !only.contains(pic.path))
            continue;
        QImage img(pic.width, pic.height, QImage::Format_ARGB32_Premultiplied);
        img.fill(pic.cutOut ? Qt::transparent : Qt::white);
        {
            QPainter p(&img);
            p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                             QPainter::SmoothPixmapTransform);
            QRandomGenerator rng(seedFor(pic.path));
            pic.draw(p, rng);
        }
        if (pic.cutOut)
            img = pics::dieCut(img, 4);
        const QString file = QDir(content).filePath(pic.path);
        if (save(img, file, tmp.path(), pic.cutOut)) {
            std::printf("%s\n", qPrintable(pic.path));
        } else {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
