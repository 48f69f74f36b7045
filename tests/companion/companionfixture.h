#pragma once

#include "companion/frmstakan.h"
#include "testcontext.h"

#include <memory>

// A test context with the companion window; the window and the side windows
// it owns go with the fixture.
struct CompanionFixture : TestContext
{
    std::unique_ptr<stak::FrmStakan> window;

    ~CompanionFixture() { window.reset(); }

    // The companion window on the folder as it stands now; a second call
    // replaces the first window.
    stak::FrmStakan *openWindow()
    {
        window = std::make_unique<stak::FrmStakan>();
        return window.get();
    }
};
