#include "formats/riddle.h"

namespace stak {

Riddle SplitRiddle(const QString &phrase, const QString &previousAnswer)
{
    const QString crlf = QStringLiteral("\r\n");
    qsizetype q = phrase.indexOf(crlf);
    if (q == 0)
        q = phrase.indexOf(crlf, 1);
    Riddle r;
    if (q >= 0) {
        r.question = phrase.left(q);
        r.answer = phrase.mid(q + 2);
    } else {
        r.question = phrase;
        r.answer = previousAnswer;
    }
    r.question.replace(QStringLiteral("%br"), crlf, Qt::CaseInsensitive);
    return r;
}

} // namespace stak
