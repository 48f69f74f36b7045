#pragma once

#include "core/phrasehistory.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace stak {

// Kind of a phrase file by exact, case-sensitive file name.
int PhraseKind(const QString &fileName);
// Is candidate absent from the kind's recent picks? Clears the slot when it is
// accepted with count - 2 entries present.
bool IsFreshPhrase(int kind, int candidate, int count);
// A random number 1..count not among the recent picks of the file's kind,
// recorded in the history.
int PickPhraseNumber(const QString &fileName, int count);
// Phrase number `number` of the file (0: a random one), each line followed by
// CR LF; empty when the file or the phrase is missing.
QString ReadPhrase(const QString &fileName, int number);

// A phrase file as ReadPhrase sees it.
struct PhraseFile
{
    struct Phrase
    {
        qsizetype line; // index in lines of its ">" line
        QString text;   // as ReadPhrase returns it
    };
    QStringList lines;
    // Line 1 as a whole number above 0; without it nothing is ever picked.
    std::optional<int> count;
    QList<Phrase> phrases; // phrase N is phrases[N - 1]
};
PhraseFile ParsePhraseFile(const QString &text);

// A voice phrase of sound.tlk: the WAV file under wav\, and the text shown
// while it plays (none when the phrase has no line after its file line).
struct VoicePhrase
{
    QString file;
    std::optional<QString> caption;
};
VoicePhrase SplitVoicePhrase(const QString &phrase);

// The scenario a text.tlk phrase with "%exescript%" names instead of being
// said; no value for an ordinary phrase.
std::optional<QString> ExescriptScenario(const QString &phrase);

// The voice menu built from the lines of sound.tlk: every ">" line that is not
// the last line announces an item whose caption is the line after it, which
// is taken whatever it holds (a ">" line included).
struct VoiceMenuItem
{
    qsizetype markerLine; // index in lines
    QString caption;
};
QList<VoiceMenuItem> VoiceMenuItems(const QStringList &lines);

} // namespace stak
