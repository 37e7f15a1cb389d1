#include "app/save_data.h"

#include "app/color_file.h"
#include "app/day_file.h"
#include "app/startup.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

// Writes `text` to the path of settings row `row`, or reports that the settings lack
// the row; `what` names the file in the message. True when the file was written.
template <typename BuildText>
bool WriteToRow(CLB_C1& clb, const Table3& INI, int32_t row, const QString& what, BuildText buildText) {
  Host& host = clb.host();
  if (!HasSettingsRow(INI, row)) {
    host.errorBox(
        u"市況ノート"_s,
        u"設定ファイルに INI(1, %1, x) がありません。%2は保存されませんでした。"_s.arg(row).arg(what));
    return false;
  }
  return clb.L_Write(DataFilePath(INI, row, host.programFolder()), buildText()) == 1;
}

}  // namespace

bool SaveDataFiles(CLB_C1& clb, const Table3& INI, const DaySeries& series, const Table2& range) {
  Host& host = clb.host();
  const bool days =
      WriteToRow(clb, INI, 2, u"日付ファイル"_s, [&] { return DayFileText(clb, series, host.now()); });
  const bool ranges =
      WriteToRow(clb, INI, 4, u"色範囲ファイル"_s, [&] { return ColorFileText(range, host.now()); });
  return days && ranges;
}

}  // namespace rdx508
