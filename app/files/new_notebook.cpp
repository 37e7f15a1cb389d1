#include "app/files/new_notebook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <optional>
#include <vector>

#include "app/files/color_file.h"
#include "app/files/day_file.h"
#include "app/files/notebook_folder.h"
#include "calendar/holiday_list.h"
#include "calendar/holiday_list_file.h"
#include "toolkit/cp932.h"
#include "toolkit/text_file.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

const QString kCrLf = u"\r\n"_s;

// The last year a holiday list names; 0 when it is missing or names none.
int32_t LastListedYear(const QString& path) {
  const std::optional<QByteArray> bytes = ReadFileBytes(path);
  if (!bytes) return 0;
  return HolidayList(ReadHolidayList(*bytes).days).LastYear();
}

// The colour ranges of a new notebook: the limits the sample data come with.
Table2 DefaultRanges() {
  static const int kLimits[3][7] = {
      {20, 45, 50, 55, 60, 80, 100}, {35, 40, 45, 55, 60, 65, 100}, {70, 80, 90, 100, 110, 120, 999}};
  Table2 range(Table2::Bounds{2, 6});
  for (int32_t j = 0; j < 3; ++j)
    for (int32_t k = 0; k < 7; ++k)
      range(j, k) = QString::number(kLimits[j][k]);
  return range;
}

// The folders from `folder` up to the first one that exists, deepest first: what making
// `folder` creates, and what removing it again has to take away.
QStringList MissingFolders(const QString& folder) {
  QStringList missing;
  for (QDir dir(folder); !dir.exists() && !dir.isRoot(); dir.setPath(QFileInfo(dir.path()).path()))
    missing.append(dir.path());
  return missing;
}

}  // namespace

QString NewSettingsText(const QString& folder, const QString& sharedFolder) {
  const QString shipped = sharedFolder + u'/' + kHolidayListFile;
  const int32_t ownYear = LastListedYear(folder + u'/' + kHolidayListFile);
  const int32_t shippedYear = LastListedYear(shipped);
  // Field 2 is a full path, field 3 a path in the notebook; a path with a comma cannot be
  // written into a settings row.
  QString holidays = u","_s;
  if (ownYear > 0 && ownYear > shippedYear)
    holidays = u",\\"_s + kHolidayListFile;
  else if (shippedYear > 0 && !shipped.contains(u','))
    holidays = shipped + u',';

  const auto row = [](int n, const QString& label, const QString& fields) {
    return u"01,00%1,%2,%3"_s.arg(n).arg(label, fields) + kCrLf;
  };
  return u"1,3,RDX508 設定"_s + kCrLf +
         u"/* "
         u"行1・2＝日付ファイルの読込・書込、行3・4＝色範囲ファイルの読込・書込、行5＝休業日ファイル（国民の"
         u"祝日）の読込、"
         u"行6＝保管ファイル、行7＝メモファイル（項目2＝フルパス、空ならノートのフォルダ＋項目3）"_s +
         kCrLf + row(1, u"日付ファイル読込"_s, u",\\"_s + kNewDayFile) +
         row(2, u"日付ファイル書込"_s, u",\\"_s + kNewDayFile) +
         row(3, u"色範囲ファイル読込"_s, u",\\"_s + kNewColorFile) +
         row(4, u"色範囲ファイル書込"_s, u",\\"_s + kNewColorFile) +
         row(5, u"休業日ファイル読込"_s, holidays) + row(6, u"保管ファイル"_s, u",\\RDX508_ARCHIVE.TXT"_s) +
         row(7, u"メモファイル"_s, u",\\RDX508_NOTES.TXT"_s);
}

QString CreateNotebook(const QString& folder, const QString& sharedFolder, NotebookStart start,
                       const QDateTime& now) {
  const QFileInfo place(folder);
  if (place.exists() && !place.isDir())
    return u"ノートのフォルダー %1 の場所にファイルがあります。ノートを作れません。"_s.arg(folder);

  // Everything is prepared before anything is written.
  struct NewFile {
    QString name;
    QByteArray bytes;
  };
  std::vector<NewFile> files;
  const auto settings = cp932::Encode(NewSettingsText(folder, sharedFolder));
  if (!settings) return u"ノートのフォルダー %1 の名前を設定ファイルに書けません。"_s.arg(folder);
  files.push_back({kSettingsFileName, *settings});
  files.push_back({kNewColorFile, *cp932::Encode(ColorFileText(DefaultRanges(), now))});
  if (start == NotebookStart::kSample) {
    const QString sample = sharedFolder + u'/' + kNewDayFile;
    const std::optional<QByteArray> days = ReadFileBytes(sample);
    if (!days) return u"サンプルデータ %1 を読めません。"_s.arg(sample);
    files.push_back({kNewDayFile, *days});
  } else {
    files.push_back({kNewDayFile, *cp932::Encode(DayFileHead(now))});
  }

  const QStringList madeFolders = MissingFolders(folder);
  QStringList written;
  const auto undo = [&] {
    for (const QString& path : written)
      QFile::remove(path);
    for (const QString& dir : madeFolders)
      QDir().rmdir(dir);
  };
  if (!QDir().mkpath(folder)) {
    undo();
    return u"ノートのフォルダー %1 を作れません。"_s.arg(folder);
  }
  for (const NewFile& file : files) {
    const QString path = folder + u'/' + file.name;
    if (QFileInfo::exists(path)) continue;  // the user's own file stays
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
      undo();
      return u"ノートのフォルダー %1 に書き込めません（%2）。"_s.arg(folder, out.errorString());
    }
    written.append(path);
    if (out.write(file.bytes) != file.bytes.size() || !out.flush()) {
      out.close();
      undo();
      return u"%1 を書けません（%2）。"_s.arg(path, out.errorString());
    }
  }
  return {};
}

}  // namespace rdx508
