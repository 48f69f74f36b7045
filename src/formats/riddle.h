#pragma once

#include <QString>

namespace stak {

struct Riddle
{
    QString question; // "%br" already made line breaks
    QString answer;
};

// Splits a phrase of the riddle file: the first line is the question, the rest
// the answer. A phrase whose marker line was bare has a line break in front,
// which stays with the question. Without any line break the whole phrase is
// the question and the answer stays the previous one.
Riddle SplitRiddle(const QString &phrase, const QString &previousAnswer);

} // namespace stak
