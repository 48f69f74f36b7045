#pragma once

#include "companion/frmstakan.h"
#include "core/clock.h"
#include "core/cp1251.h"
#include "core/random.h"
#include "core/settings.h"
#include "phrases/phrases.h"
#include "platform/fakeplatform.h"
#include "scenario/frmcar.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

// A content folder of its own, the recording platform, scripted draws and a
// fake clock for every test; settings back at their defaults. The companion
// window and the program-wide caricature window go with the fixture.
struct CompanionFixture
{
    QTemporaryDir dir;
    QString oldCwd = QDir::currentPath();
    stak::FakePlatform fake;
    stak::ScriptedRandom random{{0.5f}};
    stak::FakeClock clock;
    std::unique_ptr<stak::FrmStakan> window;

    CompanionFixture()
    {
        QDir::setCurrent(dir.path());
        stak::setPlatform(&fake);
        stak::setProgramRandom(&random);
        stak::setProgramClock(&clock);
        fake.clock = &clock;
        stak::PhraseHistory::instance().clear();
        stak::settings() = stak::Settings{};
        stak::LoadSettings(); // no config.cfg: every default
    }
    ~CompanionFixture()
    {
        window.reset();
        delete stak::FrmCar::existing();
        stak::setProgramRandom(nullptr);
        stak::setProgramClock(nullptr);
        QDir::setCurrent(oldCwd);
    }

    // The companion window, loaded on the folder as it stands now; a second
    // call replaces the first window.
    stak::FrmStakan *openWindow()
    {
        window = std::make_unique<stak::FrmStakan>();
        return window.get();
    }

    void write(const QString &name, const QString &text) const
    {
        writeTestFile(dir.filePath(name), stak::encodeCp1251(text));
    }
    void writeImage(const QString &name, QSize size, QColor colour) const
    {
        QDir(dir.path()).mkpath(QFileInfo(name).path());
        QImage img(size, QImage::Format_RGB32);
        img.fill(colour);
        // Qt writes no GIF; the program decides by content, so BMP data will do.
        img.save(dir.filePath(name), name.endsWith(QStringLiteral(".gif")) ? "BMP" : nullptr);
    }
};
