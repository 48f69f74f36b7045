#pragma once

#include <QByteArrayView>
#include <QList>

namespace stak::fuzz {

// One reader of content files fed with arbitrary bytes. A target aborts when
// an invariant of the reader's result breaks; crashes, hangs and sanitizer
// reports are faults too.
struct Target
{
    const char *name;
    void (*run)(QByteArrayView input);
};

// Every target, by name. The libFuzzer programs and the corpus replay of the
// tests run the same entry points.
const QList<Target> &targets();
const Target *findTarget(QByteArrayView name);

// Sets up what every target needs (an offscreen application, a content folder
// of its own as the current folder with a few files in it) once per process.
void setUpOnce();

} // namespace stak::fuzz
