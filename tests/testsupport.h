#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

// Writes a test's file byte for byte, making its folders first; relative
// names are taken from the current folder.
inline void writeTestFile(const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(name).path());
    QFile f(name);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(name));
    f.write(bytes);
}

// The random draw in [0, 1) that drawWhole turns into `n` for the bound
// `count`: the middle of n's interval.
inline float drawFor(int n, int count)
{
    return float((n - 0.5) / count);
}
