#pragma once

#include <QString>

namespace stak {

// Recently picked phrase numbers, one slot per kind of phrase file (0 text.tlk
// and any other name, 1 tost.tlk, 2 sound.tlk, 3 zag.tlk; 4 unused). A slot
// reads "12,5,31," after picks 12, 5 and 31.
class PhraseHistory
{
public:
    QString &slot(int kind) { return m_slots[kind]; }
    void clear();

private:
    QString m_slots[5];
};

// The current application context's history.
PhraseHistory &phraseHistory();

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

} // namespace stak
