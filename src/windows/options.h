#pragma once

#include <QList>
#include <QString>
#include <array>

namespace stak {

// The three event chances as the options dialog saves them: a total above 100
// scales each down to its share of 100, truncated, the total taken before any
// of them changes (60, 60, 60 give 33, 33, 33; 70, 40, 0 give 63, 36, 0).
std::array<int, 3> RescaleChances(std::array<int, 3> chances);

// The path the picture chooser puts into the main-picture field: the folder, a
// separator unless the folder already ends with one, and the chosen file.
QString ChosenPicturePath(const QString &folder, const QString &file);

// Where the picture chooser starts looking: the content folder, the installed
// content folder when there is one, the home folder, the file-system root and
// the mounted volumes, without repeats.
struct Place
{
    QString caption;
    QString path;
};
QList<Place> PicturePlaces(const QString &contentFolder, const QString &installedFolder = {});

} // namespace stak
