#pragma once
// A first start: a missing notebook created with its settings file (rows 1-7), the default
// colour ranges and a day file that is empty or holds the sample days.

#include <QDateTime>
#include <QString>

namespace rdx508 {

enum class NotebookStart { kEmpty, kSample };

// The file names a new notebook's settings rows give, relative to the notebook folder.
inline const QString kNewDayFile = QStringLiteral("RDX508_DAYS.TXT");
inline const QString kNewColorFile = QStringLiteral("RDX508_COLOR.TXT");
inline const QString kHolidayListFile = QStringLiteral("syukujitsu.csv");

// The complete settings file of a new notebook in `folder`: rows 1-4 name the day and
// colour-range files in the notebook, row 5 the holiday list (the notebook's own list when
// it reaches a later year than the one in `sharedFolder`, else the shipped one, else
// none), rows 6 and 7 the archive and the notes.
QString NewSettingsText(const QString& folder, const QString& sharedFolder);

// Creates the notebook in `folder` (and the folder itself when missing): the settings
// file, the colour ranges and the day file, empty or (kSample) the sample days of
// `sharedFolder`. A file already in the folder is kept as it is. Returns "" when done,
// otherwise the one message that says why not; then nothing is left written (a folder
// made for it is removed again).
QString CreateNotebook(const QString& folder, const QString& sharedFolder, NotebookStart start,
                       const QDateTime& now);

}  // namespace rdx508
