#include "program/command_line.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <optional>

#include "app/csv/csv_export.h"
#include "app/csv/csv_import.h"
#include "app/files/archive_file.h"
#include "app/files/color_file.h"
#include "app/files/companion_files.h"
#include "app/files/data_lock.h"
#include "app/files/day_file.h"
#include "app/files/notebook_folder.h"
#include "app/files/notes_file.h"
#include "app/files/save_data.h"
#include "app/files/startup.h"
#include "app/series/import_merge.h"
#include "program/notebook_start.h"
#include "toolkit/clb_c1.h"
#include "toolkit/text_file.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

const QString kProgram = u"rdx508"_s;

struct Request {
  enum Kind { kNone, kImport, kExport } kind = kNone;
  QString file;
  bool overwrite = false;
  std::optional<CsvEncoding> encoding;
  bool help = false, version = false;
  QString error;  // a usage error
};

Request Parse(const QStringList& arguments) {
  Request r;
  for (qsizetype i = 0; i < arguments.size() && r.error.isEmpty(); ++i) {
    QString option = arguments[i];
    std::optional<QString> value;
    if (const qsizetype eq = option.indexOf(u'='); option.startsWith(u"--"_s) && eq > 0) {
      value = option.mid(eq + 1);
      option.truncate(eq);
    }
    auto takeValue = [&]() -> std::optional<QString> {
      if (value) return value;
      if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(u"--"_s)) return arguments[++i];
      r.error = option + u" の後に値がありません"_s;
      return std::nullopt;
    };
    const bool flag =
        option == u"--help"_s || option == u"-h"_s || option == u"--version"_s || option == u"--overwrite"_s;
    if (flag && value) {
      r.error = option + u" は値を取りません"_s;
    } else if (option == u"--help"_s || option == u"-h"_s) {
      r.help = true;
    } else if (option == u"--version"_s) {
      r.version = true;
    } else if (option == u"--overwrite"_s) {
      r.overwrite = true;
    } else if (option == u"--import"_s || option == u"--export"_s) {
      if (r.kind != Request::kNone) {
        r.error = u"--import と --export は一度にどちらか一つです"_s;
      } else if (const std::optional<QString> file = takeValue()) {
        r.kind = option == u"--import"_s ? Request::kImport : Request::kExport;
        r.file = *file;
        if (r.file.isEmpty()) r.error = option + u" のファイル名が空です"_s;
      }
    } else if (option == u"--data"_s) {
      takeValue();  // the notebook folder: chosen before the run
    } else if (option == u"--encoding"_s) {
      if (const std::optional<QString> name = takeValue()) {
        const QString lower = name->toLower();
        if (lower == u"utf-8"_s || lower == u"utf8"_s)
          r.encoding = CsvEncoding::Utf8;
        else if (lower == u"cp932"_s)
          r.encoding = CsvEncoding::Cp932;
        else
          r.error = u"--encoding は utf-8 か cp932 です（「%1」）"_s.arg(*name);
      }
    } else if (option.startsWith(u'-')) {
      r.error = u"知らないオプションです: "_s + option;
    } else {
      r.error = u"余分な引数です: "_s + option;
    }
  }
  if (!r.error.isEmpty() || r.help || r.version) return r;
  if (r.kind == Request::kNone)
    r.error = u"--import か --export を指定してください"_s;
  else if (r.overwrite && r.kind != Request::kImport)
    r.error = u"--overwrite は --import と使います"_s;
  else if (r.encoding && r.kind != Request::kExport)
    r.error = u"--encoding は --export と使います"_s;
  return r;
}

// The stored data as the window loads them: the settings, the day series with its notes
// and the colour ranges. False (and the reason printed) when a file cannot be read.
struct StoredData {
  StartupTables tables;
  DaySeries series;
  Table2 range{Table2::Bounds{2, 6}};
};
bool LoadStoredData(CLB_C1& clb, StoredData& data, QTextStream& err) {
  const QString message = ReadStartupFiles(clb, data.tables);
  if (!message.isEmpty()) {
    const QString folder = clb.host().programFolder();
    QString unread = u"設定ファイル "_s + folder + u"/RDX508_INIT.TXT"_s;
    if (message.contains(u"(1, 1, x)"_s))
      unread = u"日付ファイル "_s + DataFilePath(data.tables.INI, 1, folder);
    else if (message.contains(u"(1, 3, x)"_s))
      unread = u"色範囲ファイル "_s + DataFilePath(data.tables.INI, 3, folder);
    err << kProgram << ": " << message << u"（"_s << unread << u" を読めません）"_s << Qt::endl;
    return false;
  }
  LoadDays(clb, data.tables.DayTbl, data.series);
  // Archive lines that cannot be read are named; the days that can are kept.
  const QString archiveReport = LoadArchive(clb, data.tables.INI, data.series.Archive);
  if (!archiveReport.isEmpty()) err << kProgram << ": " << archiveReport << Qt::endl;
  DropDaysInSeries(data.series, data.series.Archive);
  // Likewise the notes: an import saves them with the day file, so they must be read.
  const QString notesReport = LoadNotes(clb, data.tables.INI, data.series.DayNotes);
  if (!notesReport.isEmpty()) err << kProgram << ": " << notesReport << Qt::endl;
  LoadRanges(data.tables.ColorTbl, data.range);
  data.series.ComputeIndicators();
  return true;
}

int Import(const Request& r, Host& host, QTextStream& out, QTextStream& err) {
  const CsvImport file = ReadCsvImport(r.file);
  if (!file.failure.isEmpty()) {
    err << file.failure << Qt::endl;
    return 1;
  }
  if (file.rejectedCount > 0) {
    for (const RejectedLine& bad : file.rejected)
      err << file.Message(bad.why, bad.line) << Qt::endl;
    const auto unlisted = file.rejectedCount - static_cast<int32_t>(file.rejected.size());
    if (unlisted > 0) err << file.Message(u"ほか %1 行"_s.arg(unlisted)) << Qt::endl;
    err << file.Message(u"読めない行が %1 行あるため、何も取り込みませんでした"_s.arg(file.rejectedCount))
        << Qt::endl;
    return 1;
  }

  // An import into a missing notebook creates it first.
  if (const QString why =
          PrepareCommandLineNotebook(host, true, SharedDataFolder(QCoreApplication::applicationDirPath()));
      !why.isEmpty()) {
    err << kProgram << ": " << why << Qt::endl;
    return 1;
  }
  CLB_C1 clb(host);
  StoredData data;
  if (!LoadStoredData(clb, data, err)) return 1;
  // The window holds this lock while it is open on the same data.
  DataLock lock(LockedDayFile(data.tables.INI, host.programFolder()));
  if (!lock.tryLock() && lock.heldElsewhere()) {
    err << file.Message(u"市況ノートが同じデータで開いているため、取り込みませんでした"_s) << Qt::endl;
    return 1;
  }

  const ImportPlan plan = PlanImport(data.series, file.days);
  const ImportMode mode = r.overwrite ? ImportMode::Overwrite : ImportMode::NewOnly;
  QString summary = u"新しい日 %1 を追加、同じ日 %2、"_s.arg(plan.newDays).arg(plan.identical);
  if (plan.conflicts == 0)
    summary += u"値の異なる日 0"_s;
  else if (r.overwrite)
    summary += u"値の異なる日 %1 を上書き"_s.arg(plan.conflicts);
  else
    summary += u"値の異なる日 %1 は保存済みのまま（--overwrite で上書き）"_s.arg(plan.conflicts);
  if (plan.notesAdded > 0) summary += u"、メモのない日 %1 にメモを追加"_s.arg(plan.notesAdded);

  if (ApplyImport(data.series, file.days, mode).changed()) {
    if (!SaveDataFiles(clb, data.tables.INI, data.series, data.range)) {
      err << file.Message(u"日付ファイルを保存できませんでした"_s) << Qt::endl;
      return 1;
    }
  } else {
    summary += u"。変更はないので何も書きませんでした"_s;
  }
  out << file.Message(summary) << Qt::endl;
  return 0;
}

// Whether `path` is the settings file or a file its rows name: an export must never
// replace the program's own data.
bool IsProgramFile(const Table3& INI, const QString& folder, const QString& path) {
  const auto same = [&path](const QString& other) {
    const QFileInfo a(PlatformPath(path)), b(PlatformPath(other));
    return a.absoluteFilePath() == b.absoluteFilePath() ||
           (a.exists() && b.exists() && a.canonicalFilePath() == b.canonicalFilePath());
  };
  if (same(folder + u"/RDX508_INIT.TXT"_s) || same(ArchiveFilePath(INI, folder)) ||
      same(NotesFilePath(INI, folder)))
    return true;
  for (int32_t row = 1; HasSettingsRow(INI, row); ++row)
    if (same(DataFilePath(INI, row, folder))) return true;
  return false;
}

int Export(const Request& r, Host& host, QTextStream& out, QTextStream& err) {
  if (const QString why = PrepareCommandLineNotebook(host, false, {}); !why.isEmpty()) {
    err << kProgram << ": " << why << Qt::endl;
    return 1;
  }
  CLB_C1 clb(host);
  StoredData data;
  if (!LoadStoredData(clb, data, err)) return 1;
  if (IsProgramFile(data.tables.INI, host.programFolder(), r.file)) {
    err << r.file << u": 市況ノートのデータファイルです。書き出しには別のファイル名を指定してください"_s
        << Qt::endl;
    return 1;
  }
  const CsvEncoding encoding = r.encoding.value_or(CsvEncoding::Utf8);
  QString why;
  size_t days = 0;
  if (!ExportCsvFile(data.series, r.file, encoding, &why, &days)) {
    err << r.file << ": " << why << Qt::endl;
    return 1;
  }
  out << r.file
      << u": %1 日を書き出しました（%2）"_s.arg(days).arg(encoding == CsvEncoding::Utf8 ? u"UTF-8"_s
                                                                                        : u"CP932"_s)
      << Qt::endl;
  return 0;
}

}  // namespace

bool IsCommandLineRun(const QStringList& arguments) {
  return !arguments.isEmpty() && (arguments[0].startsWith(u"--"_s) || arguments[0] == u"-h"_s);
}

QString CommandLineUsage() {
  return u"使い方:\n"
         u"  rdx508                                          ウィンドウを開きます\n"
         u"  rdx508 --import FILE [--overwrite]              CSV の日を日付ファイルに取り込みます\n"
         u"                                                  （--overwrite: 値やメモの異なる日も上書き）\n"
         u"  rdx508 --export FILE [--encoding utf-8|cp932]   すべての日を CSV に書き出します\n"
         u"                                                  （既定は BOM 付き UTF-8）\n"
         u"  rdx508 --help                                   この説明\n"
         u"  rdx508 --version                                版\n"
         u"  --data DIR                                      どの使い方でも、ノートのフォルダー DIR "
         u"を開きます\n"
         u"設定はノートのフォルダーの RDX508_INIT.TXT から読みます。ノートのフォルダーは、プログラムの\n"
         u"フォルダーに RDX508_INIT.TXT があればそのフォルダー、なければ $XDG_DATA_HOME/RDX508\n"
         u"（既定は ~/.local/share/RDX508）です。ないノートは --import が作ります。\n"
         u"終了コード: 0 成功、1 読めない入力または失敗（何も書きません）、2 使い方の誤り\n"_s;
}

int RunCommandLine(const QStringList& arguments, Host& host, QTextStream& out, QTextStream& err) {
  const Request r = Parse(arguments);
  if (!r.error.isEmpty()) {
    err << kProgram << ": " << r.error << "\n" << CommandLineUsage() << Qt::flush;
    return 2;
  }
  if (r.help) {
    out << CommandLineUsage() << Qt::flush;
    return 0;
  }
  if (r.version) {
    out << kProgram << " " << RDX508_VERSION << Qt::endl;
    return 0;
  }
  return r.kind == Request::kImport ? Import(r, host, out, err) : Export(r, host, out, err);
}

}  // namespace rdx508
