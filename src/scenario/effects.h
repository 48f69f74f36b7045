#pragma once

#include <QImage>
#include <QString>
#include <optional>

namespace stak {

class RandomSource;

// n smear steps over the image: each picks a centre x in 1..w, y in 1..h and
// paints its eight neighbours with the centre's colour. Writes outside the
// image are ignored. The image must be Format_RGB32 or Format_ARGB32.
void SmearPixels(qint64 n, QImage &surface, int w, int h, RandomSource &random);

// The picture squeezed to half its width and shown twice: columns 0..215 and
// 216..431 get every second column of 0..430; column 432 and beyond keep theirs.
void DoubleImage(QImage &surface);

// Smear count as scenarios and the drink button give it: empty text means
// emptyDefault; a text that is not a 32-bit whole number gives no value.
std::optional<qint32> SmearCount(const QString &text, qint32 emptyDefault);

} // namespace stak
