#include "app/files/archive_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <array>
#include <optional>

#include "app/files/companion_files.h"
#include "app/files/day_file.h"
#include "app/files/file_lines.h"
#include "calendar/date_text.h"
#include "toolkit/numeric.h"
#include "toolkit/text_file.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

// The fields of a line between its commas, at most `count` of them; text after the
// last one kept is dropped, as the table reader drops fields beyond the header's count.
template <size_t N>
qsizetype SplitFields(QStringView line, std::array<QStringView, N>& fields) {
  qsizetype found = 0, start = 0;
  while (found < static_cast<qsizetype>(N)) {
    const qsizetype comma = line.indexOf(u',', start);
    fields[static_cast<size_t>(found++)] = line.mid(start, comma < 0 ? -1 : comma - start);
    if (comma < 0) break;
    start = comma + 1;
  }
  return found;
}

// Whether a header declares a section and the five fields of a day.
bool IsArchiveHeader(QStringView line) {
  std::array<QStringView, 2> fields;
  if (SplitFields(line, fields) < 2) return false;
  const std::optional<double> sections = ParseNumber(fields[0]);
  const std::optional<double> count = ParseNumber(fields[1]);
  return sections && count && *sections >= 1 && *count >= 5;
}

// The number a field holds. Plain whole numbers, what the program writes for keys and
// issue counts, are read directly; everything else by the one number rule, with the same
// result.
std::optional<double> FieldNumber(QStringView field) {
  if (!field.isEmpty() && field.size() <= 9) {
    int32_t whole = 0;
    bool plain = true;
    for (const QChar c : field) {
      if (c < u'0' || c > u'9') {
        plain = false;
        break;
      }
      whole = whole * 10 + (c.unicode() - u'0');
    }
    if (plain) return whole;
  }
  return ParseNumber(field);
}

// The day a data line holds: section 1, a row number, a date and four numbers.
std::optional<DayRec> ArchiveDay(QStringView line) {
  std::array<QStringView, 7> fields;
  if (SplitFields(line, fields) < 7) return std::nullopt;
  const std::optional<double> section = FieldNumber(fields[0]);
  if (!section || RoundToInt32(*section) != 1 || !FieldNumber(fields[1]) || fields[2].isEmpty())
    return std::nullopt;
  const std::optional<double> topix = ParseNumber(fields[3]), up = FieldNumber(fields[4]),
                              down = FieldNumber(fields[5]), nikkei = ParseNumber(fields[6]);
  if (!topix || !up || !down || !nikkei) return std::nullopt;
  return DayRec{fields[2].toString(), *topix, RoundToInt32Clamped(*up), RoundToInt32Clamped(*down), *nikkei};
}

}  // namespace

QString ArchiveFileText(const QList<DayRec>& archive, const QDateTime& now) {
  QString text = DayFileHead(now);
  text.reserve(text.size() + archive.size() * 48);
  qsizetype position = kArchiveFirstPosition;
  for (const DayRec& day : archive)
    text += DayFileLine(position++, day);
  return text;
}

ArchiveReport ReadArchiveFile(const QString& path, QList<DayRec>& days) {
  days.clear();
  const QString name = PlatformPath(path);
  const QFileInfo info(name);
  if (name.isEmpty() || !info.exists()) return {};
  QFile file(name);
  const QString shown = QDir::toNativeSeparators(info.absoluteFilePath());
  if (info.isDir() || !file.open(QIODevice::ReadOnly))
    return {true, false,
            u"保管ファイル %1 を読めません（%2）。"_s.arg(
                shown, info.isDir() ? u"フォルダです"_s : file.errorString())};

  qint64 lineNumber = 0, badLines = 0, firstBad = 0, beyond = 0;
  bool headerSeen = false;
  auto bad = [&] {
    if (badLines++ == 0) firstBad = lineNumber;
  };
  const bool complete = ForEachTextLine(file, [&](qint64 number, QStringView line, bool cut) {
    lineNumber = number;
    if (line.startsWith(u"/*")) return;  // a comment, before the header too
    if (!headerSeen) {
      headerSeen = true;
      if (cut || !IsArchiveHeader(line)) bad();
      return;
    }
    if (cut) return bad();
    if (line.trimmed().isEmpty()) return;
    std::optional<DayRec> day = ArchiveDay(line);
    if (!day) return bad();
    if (days.size() >= kMaxArchiveDays) {
      ++beyond;
      return;
    }
    days.append(std::move(*day));
  });
  // Newest first, as the program writes it; a file put in another order is sorted,
  // days of the same date in file order.
  auto newer = [](const DayRec& a, const DayRec& b) { return IsEarlierDate(b.Date, a.Date); };
  if (!std::is_sorted(days.begin(), days.end(), newer)) std::stable_sort(days.begin(), days.end(), newer);
  // A date held twice keeps its first line: the archive holds each day once.
  QString firstTwice;
  const auto end = std::unique(days.begin(), days.end(), [&firstTwice](const DayRec& a, const DayRec& b) {
    if (a.Date != b.Date) return false;
    if (firstTwice.isEmpty()) firstTwice = a.Date;
    return true;
  });
  const qsizetype twice = days.end() - end;
  days.erase(end, days.end());

  if (!complete) {
    return {true, false,
            u"保管ファイル %1 を %2 行目から先は読めませんでした（%3）。"_s.arg(shown)
                .arg(lineNumber + 1)
                .arg(file.errorString())};
  }
  if (!headerSeen) return {false, false, u"保管ファイル %1 は空です。"_s.arg(shown)};
  ArchiveReport report{false, badLines > 0 || beyond > 0, {}};
  if (badLines > 0) {
    report.text =
        u"保管ファイル %1 の %2 行目は読めない行です（読めない行は全部で %3 行、読めた日は %4 日）。"_s
            .arg(shown)
            .arg(firstBad)
            .arg(badLines)
            .arg(days.size());
  }
  if (twice > 0) {
    if (!report.text.isEmpty()) report.text += u'\n';
    report.text += u"保管ファイル %1 には %2%3 が二度あります。最初の行を使います。"_s.arg(shown, firstTwice)
                       .arg(twice > 1 ? u" ほか %1 日"_s.arg(twice - 1) : QString());
  }
  if (beyond > 0) {
    if (!report.text.isEmpty()) report.text += u'\n';
    report.text += u"保管ファイル %1 の %2 日より先の %3 日は読みませんでした。"_s.arg(shown)
                       .arg(kMaxArchiveDays)
                       .arg(beyond);
  }
  return report;
}

QString LoadArchive(CLB_C1& clb, const Table3& INI, QList<DayRec>& archive, bool* whole) {
  if (whole) *whole = true;
  const QString path = ArchiveFilePath(INI, clb.host().programFolder());
  if (path.isEmpty()) {
    archive.clear();
    return {};
  }
  const ArchiveReport report = ReadArchiveFile(path, archive);
  if (whole) *whole = !report.unreadable && !report.partial;
  return report.text;
}

QString DropDaysInSeries(const DaySeries& series, QList<DayRec>& archive) {
  QSet<QString> held;
  for (const DayRec& day : series.Days)
    if (!day.Date.isEmpty()) held.insert(day.Date);
  if (held.isEmpty()) return {};
  QString first;
  const qsizetype dropped = archive.removeIf([&](const DayRec& day) {
    if (!held.contains(day.Date)) return false;
    if (first.isEmpty()) first = day.Date;
    return true;
  });
  if (dropped == 0) return {};
  return u"%1%2は日付ファイルと保管ファイルの両方にあります。日付ファイルの値を使います。"_s.arg(first).arg(
      dropped > 1 ? u" ほか %1 日"_s.arg(dropped - 1) : QString());
}

}  // namespace rdx508
