#include "program/command_line.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <optional>

#include "app/csv/csv_export.h"
#include "app/csv/csv_import.h"
#include "app/files/notebook_folder.h"
#include "app/files/program_files.h"
#include "app/notebook.h"
#include "app/series/import_merge.h"
#include "program/notebook_start.h"
#include "toolkit/clb_c1.h"
#include "toolkit/text_file.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

const QString kProgram = u"rdx508"_s;
const QString kNoIndexGuess =
    u"終値の列が東証平均か日経平均か分かりません。--index topix か --index nikkei で指定してください"_s;

struct Request {
  enum Kind { kNone, kImport, kExport } kind = kNone;
  QString file;
  bool overwrite = false;
  std::optional<CloseIndex> index;  // which index a lone close column holds
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
    } else if (option == u"--index"_s) {
      if (const std::optional<QString> name = takeValue()) {
        const QString lower = name->toLower();
        if (lower == u"topix"_s)
          r.index = CloseIndex::Topix;
        else if (lower == u"nikkei"_s)
          r.index = CloseIndex::Nikkei;
        else
          r.error = u"--index は topix か nikkei です（「%1」）"_s.arg(*name);
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
  else if (r.index && r.kind != Request::kImport)
    r.error = u"--index は --import と使います"_s;
  else if (r.encoding && r.kind != Request::kExport)
    r.error = u"--encoding は --export と使います"_s;
  return r;
}

// The stored data as the window loads them: the settings, the day series with its notes
// and archive, and the colour ranges. False (and the reason printed) when a file cannot be
// read; problems of files that read in part are printed and what reads is used.
struct StoredData {
  explicit StoredData(CLB_C1& clb) : notebook(clb) {}
  Notebook notebook;
  DaySeries series;
  Table2 range{Table2::Bounds{2, 6}};
};
void PrintProblem(QTextStream& err, const NotebookProblem& problem) {
  err << kProgram << ": " << problem.text << Qt::endl;
}
bool LoadStoredData(StoredData& data, QTextStream& err) {
  if (const std::optional<NotebookProblem> unread = data.notebook.Open()) {
    err << kProgram << ": " << unread->text << u"（"_s
        << (unread->text.contains(u"(1, 1, x)"_s)   ? u"日付ファイル "_s
            : unread->text.contains(u"(1, 3, x)"_s) ? u"色範囲ファイル "_s
                                                    : u"設定ファイル "_s)
        << unread->file << u" を読めません）"_s << Qt::endl;
    return false;
  }
  for (const NotebookProblem& problem : data.notebook.Load(data.series, data.range))
    PrintProblem(err, problem);
  // Archive lines that cannot be read are named; the days that can are kept.
  if (const auto problem = data.notebook.LoadArchive(data.series)) PrintProblem(err, *problem);
  return true;
}

int Import(const Request& r, Host& host, QTextStream& out, QTextStream& err) {
  CsvImport file = ReadCsvImport(r.file);
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

  // A lone close column needs stored days to guess its index from: without --index, a
  // missing notebook is not made for a file that would then be refused.
  if (file.loneClose && !r.index && !HoldsNotebook(host.programFolder())) {
    err << file.Message(kNoIndexGuess) << Qt::endl;
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
  StoredData data(clb);
  if (!LoadStoredData(data, err)) return 1;
  // The window holds this lock while it is open on the same data.
  if (data.notebook.TakeLock() == Notebook::LockResult::HeldElsewhere) {
    err << file.Message(u"市況ノートが同じデータで開いているため、取り込みませんでした"_s) << Qt::endl;
    return 1;
  }

  if (file.loneClose) {
    // A file of one index: which one is said, or guessed from the stored days it overlaps.
    const std::optional<CloseIndex> index = r.index ? r.index : GuessCloseIndex(data.series, file.days);
    if (!index) {
      err << file.Message(kNoIndexGuess) << Qt::endl;
      return 1;
    }
    AssignLoneClose(file, *index);
  } else if (r.index) {
    err << file.Message(
               u"--index は終値の列だけのファイルに使います（このファイルは「%1」の列を持ちます）"_s.arg(
                   file.columns.join(u"」「"_s)))
        << Qt::endl;
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
  if (plan.filled > 0) summary += u"、0 だった値を埋めた日 %1"_s.arg(plan.filled);
  if (plan.notesAdded > 0) summary += u"、メモのない日 %1 にメモを追加"_s.arg(plan.notesAdded);
  if (file.noteCount > 0) summary += u"、注記として読み飛ばした行 %1"_s.arg(file.noteCount);
  if (file.nullDays > 0) summary += u"、値がすべて null の日 %1 を読み飛ばし"_s.arg(file.nullDays);

  if (ApplyImport(data.series, file.days, mode).changed()) {
    const SaveReport saved = data.notebook.Save(data.series, data.range);
    if (!saved.ok()) {
      for (const QString& line : saved.message.split(u'\n'))
        err << kProgram << ": " << line << Qt::endl;
      err << file.Message(u"取り込みを保存できませんでした"_s) << Qt::endl;
      return 1;
    }
  } else {
    summary += u"。変更はないので何も書きませんでした"_s;
  }
  out << file.Message(summary) << Qt::endl;
  return 0;
}

int Export(const Request& r, Host& host, QTextStream& out, QTextStream& err) {
  if (const QString why = PrepareCommandLineNotebook(host, false, {}); !why.isEmpty()) {
    err << kProgram << ": " << why << Qt::endl;
    return 1;
  }
  CLB_C1 clb(host);
  StoredData data(clb);
  if (!LoadStoredData(data, err)) return 1;
  if (data.notebook.Holds(r.file)) {
    err << ProgramFileExportMessage(r.file) << Qt::endl;
    return 1;
  }
  // An export holds every kept day or is not written: a file that lacks days would read as
  // the whole record.
  if (!data.notebook.ArchiveWhole()) {
    err << r.file << u": 保管ファイルに読めない日があるため、何も書き出しませんでした"_s << Qt::endl;
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
         u"  rdx508 --import FILE [--overwrite] [--index topix|nikkei]\n"
         u"                                                  CSV の日を日付ファイルに取り込みます\n"
         u"                                                  （--overwrite: 値やメモの異なる日も上書き、\n"
         u"                                                  --index: 終値の列だけのファイルの指数）\n"
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
