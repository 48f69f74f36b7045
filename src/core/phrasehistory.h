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
    void clear()
    {
        for (QString &s : m_slots)
            s.clear();
    }

private:
    QString m_slots[5];
};

// The current application context's history.
PhraseHistory &phraseHistory();

} // namespace stak
