#pragma once

#include <QLabel>
#include <QRect>
#include <QString>
#include <QWidget>
#include <utility>

namespace stak {

inline QString controlName(const char *name)
{
    return QLatin1String(name);
}
inline QString controlName(const QString &name)
{
    return name;
}

// A control of a window: made with its constructor's arguments (the parent
// goes last), named after its name in the window's design (the objectName
// tests and scripts find it by) and put in its place.
template <typename Control, typename Name, typename... Args>
Control *control(QWidget *parent, const Name &name, QRect geometry, Args &&...args)
{
    auto *c = new Control(std::forward<Args>(args)..., parent);
    c->setObjectName(controlName(name));
    c->setGeometry(geometry);
    return c;
}

// A word-wrapped label as tall as its lines of text need, where the design's
// height falls a pixel or two short of today's fonts; its place stays. lines:
// how many lines its longest text takes (0: those of its text now).
inline void fitHeight(QLabel *label, int lines = 0)
{
    const int needed = lines > 0 ? lines * label->fontMetrics().lineSpacing()
                                 : label->heightForWidth(label->width());
    if (needed > label->height())
        label->resize(label->width(), needed);
}

} // namespace stak
