#pragma once

#include <QImage>
#include <QString>

namespace stak {

class RandomSource;

// n smear steps over the image: each picks a centre x in 1..w, y in 1..h and
// paints its eight neighbours with the centre's colour. Writes outside the
// image are ignored. The image must be Format_RGB32 or Format_ARGB32.
void SmearPixels(qint64 n, QImage &surface, int w, int h, RandomSource &random);

// The picture squeezed to half its width and shown twice: columns 0..215 and
// 216..431 get every second column of 0..430; column 432 and beyond keep theirs.
void DoubleImage(QImage &surface);

// The frolic's picture: the screen's copy on black at the screen's size in
// device pixels (the copy's device pixel ratio), with n smear steps over it
// less its last column and row.
QImage FrolicPicture(const QImage &shot, QSize screen, qint64 n, RandomSource &random);

} // namespace stak
