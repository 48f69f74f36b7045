#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

namespace stak {

// What one step of the splash story changes. Sun positions are counted from
// the right end of the sky band (left = band width - fromRight) and from its
// top; zero or absent values leave a thing as it was.
struct SplashStep
{
    QString text;                    // the story line; empty: unchanged
    int interval = 0;                // new interval of the story timer, ms
    bool showSun = false;            // the sun is made visible
    std::optional<QPoint> sun;       // (fromRight, top)
    QColor sky;                      // invalid: unchanged
    bool showPrompt = false;         // the start prompt appears
    bool showTitle = false;          // the title appears in the band
    std::optional<bool> promptLight; // grey on light grey, or black on white
    bool stopTimer = false;
};

// The 21 steps of the story, step n at index n - 1.
const QList<SplashStep> &SplashStory();

// Where things go on a screen of w x h. The design is for 1024 x 768; larger
// screens (from 1536 lines on) are drawn at a whole-number zoom, so that the
// show keeps its proportions on a 4K screen.
struct SplashLayout
{
    int zoom = 1;
    int w = 0, h = 0;
    QRect logo; // where the 300 x 170 logo is drawn
    int blindsLeft = 0, blindsRight = 0, blindsTop = 0;
    int blindStep = 17; // rows between the bands of the blinds
    QRect credit1, credit2, credit3, creditLine, prompt, storyLine, curtain, band;
    QRect sunDesign; // the sun in the band before the story moves it
    QPoint titleAt(int bandWidth) const { return {bandWidth / 2, 208 * zoom}; }
    QPoint sunAt(int bandWidth, QPoint fromRightTop) const
    {
        return {bandWidth - fromRightTop.x() * zoom, fromRightTop.y() * zoom};
    }
};
SplashLayout LayoutSplash(int w, int h);

} // namespace stak
