#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace stak {

// INI files as the program's configuration uses them: sections and keys match
// without regard to case, values are read with surrounding blanks and one pair
// of enclosing quotes (double or single) removed, and cut to 254 characters.
// The file is Windows-1251 or UTF-8 text (see decodeContentText); writing keeps
// its encoding and line ends.
QString readIniValue(const QString &file, const QString &section, const QString &key,
                     const QString &defaultValue);

// A line of an INI section, as the reading above sees it: its number in the
// text (from 1), its key and value, or no key when the line has no "=". Blank
// lines and comment lines (";") are not entries.
struct IniEntry
{
    int line = 0;
    std::optional<QString> key;
    QString value;
};

// The entries of every part of the text headed by the section; no value when
// the text has no header of that section.
std::optional<QList<IniEntry>> iniSectionEntries(const QString &text, const QString &section);

// Sets one key, keeping every other byte of the file as it was: an entry of
// the key keeps its spelling of it, only its value changes. Creates the file
// and the section when missing; replaces the file atomically (links followed,
// see replaceFileContents). Returns false, with a reason in *error when given,
// when the file cannot be written or when a file that exists cannot be read
// whole (nothing is written then).
bool writeIniValue(const QString &file, const QString &section, const QString &key,
                   const QString &value, QString *error = nullptr);

} // namespace stak
