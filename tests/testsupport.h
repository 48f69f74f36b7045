#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <QtTest>
#include <sys/stat.h>
#include <tuple>

// What a careless or hostile author can leave under a content file's name.
enum class Planted { Fifo, LinkToFifo, Device, Folder, Huge, DanglingLink };

// Plants one of them under `name` (relative to the current folder); the
// FIFO is one that nobody writes, the 1 GB file a sparse one.
inline void plant(const QString &name, Planted what)
{
    QDir().mkpath(QFileInfo(name).path());
    const QByteArray native = QFile::encodeName(name);
    QFile file(name);
    using enum Planted;
    QVERIFY2(what == Fifo ? ::mkfifo(native.constData(), 0600) == 0
             : what == LinkToFifo
                 ? ::mkfifo(native + ".fifo", 0600) == 0 &&
                       QFile::link(QFileInfo(name).fileName() + QStringLiteral(".fifo"), name)
             : what == Device ? QFile::link(QStringLiteral("/dev/zero"), name)
             : what == Folder ? QDir().mkpath(name)
             : what == Huge   ? file.open(QIODevice::WriteOnly) && file.resize(qint64(1) << 30)
                              : QFile::link(QStringLiteral("nothing-here"), name),
             qPrintable(name));
}

// Writes a test's file byte for byte, making its folders first; relative
// names are taken from the current folder.
inline void writeTestFile(const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(name).path());
    QFile f(name);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(name));
    f.write(bytes);
}

// The columns of a test table, named in order: columns<int, QString>("n", "text").
template <typename... T, typename... Names> void columns(Names... names)
{
    static_assert(sizeof...(T) == sizeof...(Names));
    (QTest::addColumn<T>(names), ...);
}
// Adds a row to the current test table, its values in column order: one call
// keeps a row on one line however its values are spelt.
template <typename... Values> void tableRow(const char *name, Values... values)
{
    (QTest::newRow(name) << ... << values);
}
// The current row's values of the named columns, as QFETCH gives them one by
// one: const auto [n, text] = fetch<int, QString>("n", "text").
template <typename... T, typename... Names> std::tuple<T...> fetch(Names... names)
{
    static_assert(sizeof...(T) == sizeof...(Names));
    return {*static_cast<T *>(QTest::qData(names, qMetaTypeId<T>()))...};
}

// A test's file byte for byte; empty when it cannot be read.
inline QByteArray readTestFile(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The random draw in [0, 1) that drawWhole turns into `n` for the bound
// `count`: the middle of n's interval.
inline float drawFor(int n, int count)
{
    return float((n - 0.5) / count);
}

// A RIFF chunk; the body is padded to an even size.
inline QByteArray wavChunk(const char *id, const QByteArray &body)
{
    QByteArray c(id, 4);
    const quint32 size = qToLittleEndian(quint32(body.size()));
    c.append(reinterpret_cast<const char *>(&size), 4);
    return c + body + (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}
inline QByteArray wavFormat(quint16 tag, quint16 channels, quint32 rate, quint16 bits)
{
    QByteArray f(16, '\0');
    qToLittleEndian(tag, f.data());
    qToLittleEndian(channels, f.data() + 2);
    qToLittleEndian(rate, f.data() + 4);
    qToLittleEndian(bits, f.data() + 14);
    return wavChunk("fmt ", f);
}
inline QByteArray wavFile(const QByteArray &chunks)
{
    return wavChunk("RIFF", "WAVE" + chunks);
}
// A short sound the program can play.
inline QByteArray playableWav()
{
    return wavFile(wavFormat(1, 1, 8000, 8) + wavChunk("data", QByteArray(800, '\x80')));
}
