#pragma once

#include <QStringList>

namespace stak {

// The content checker: finds, with the program's own readers, what would go
// wrong when the program reads a content file. Every problem is one line
// "FILE:LINE: message" in Russian (line 0: the file as a whole); file names
// are given as the caller wrote the folder or file.

// Every content file of a folder ("" or "." for the current one): config.cfg,
// date.tlk, the phrase files, user.but, the scenarios (*.scn, button*.but and
// those named by exescript or by "%exescript%" phrases), pics/order.txt and the
// pictures in pics/.
QStringList CheckContentFolder(const QString &folder = {});

// One content file, by its name: config.cfg, date.tlk, *.tlk phrase files,
// user.but, order.txt, pictures, WAV sounds; other texts (*.txt) and music
// need no check; anything else is read as a scenario. Paths inside the file are taken from the
// file's own folder, where the program would run.
QStringList CheckContentFile(const QString &file);

// One scenario file, relative to the current folder.
QStringList CheckScenarioFile(const QString &file);

} // namespace stak
