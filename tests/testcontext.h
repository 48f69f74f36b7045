#pragma once

#include "core/appcontext.h"
#include "core/clocktimer.h"
#include "core/contentfolders.h"
#include "core/cp1251.h"
#include "platform/fakeplatform.h"
#include "testsupport.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

// The program's services for one test: the recording platform, scripted draws
// and a fake clock, the settings at their defaults, in a content folder of its
// own that is the current folder while the test runs.
struct TestContext
{
    QTemporaryDir dir;
    QString oldCwd = QDir::currentPath();
    stak::FakePlatform fake;
    stak::ScriptedRandom random{{0.5f}};
    stak::FakeClock clock;
    stak::AppContext app{&fake, &clock, &random};

    TestContext()
    {
        QDir::setCurrent(dir.path());
        fake.clock = &clock;
        stak::LoadSettings(); // no config.cfg: every default
    }
    ~TestContext()
    {
        stak::setInstalledContentFolder({});
        QDir::setCurrent(oldCwd);
    }

    // Moves the fake clock on by ms, firing the program's clock timers at
    // their due times on the way.
    void advance(qint64 ms)
    {
        const QDateTime end = clock.now().addMSecs(ms);
        while (const auto due = stak::ClockTimer::nextDue()) {
            if (*due > end)
                break;
            if (*due > clock.now())
                clock.set(*due);
            stak::ClockTimer::pollAll();
        }
        clock.set(end);
    }

    // A file of the test's folder, or any file named in full.
    void write(const QString &name, const QString &text) const
    {
        writeTestFile(QDir(dir.path()).filePath(name), stak::encodeCp1251(text));
    }
    void writeImage(const QString &name, QSize size, QColor colour) const
    {
        QDir(dir.path()).mkpath(QFileInfo(name).path());
        QImage img(size, QImage::Format_RGB32);
        img.fill(colour);
        // Qt writes no GIF; the program decides by content, so BMP data will do.
        img.save(QDir(dir.path()).filePath(name),
                 name.endsWith(QStringLiteral(".gif")) ? "BMP" : nullptr);
    }
};
