#include "app/files/holiday_setup.h"

#include <cerrno>
#include <memory>

#include "app/files/startup.h"
#include "calendar/holiday_list.h"
#include "calendar/holiday_list_file.h"
#include "toolkit/text_file.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

const QString kWithoutList =
    u"土日と年末年始（2004〜2024年は組み込みの祝日も）を休業日として営業日を数えます。"_s;

}  // namespace

QString LoadHolidayList(CLB_C1& clb, const Table3& INI) {
  const QString folder = clb.host().programFolder();
  if (!HasSettingsRow(INI, kHolidayListRow)) return {};
  const QString path = DataFilePath(INI, kHolidayListRow, folder);
  if (path == folder) return {};

  FileFailure failure;
  const std::optional<QByteArray> bytes = ReadFileBytes(path, &failure);
  if (!bytes) {
    clb.SetHolidayList(std::make_shared<const HolidayList>());
    const QString what = failure.number == ENOENT
                             ? u"休業日ファイルがありません。"_s
                             : u"休業日ファイルを読めません（"_s + failure.description + u"）。"_s;
    return what + u'\n' + path + u'\n' + kWithoutList;
  }

  const HolidayListReading reading = ReadHolidayList(*bytes);
  auto list = std::make_shared<const HolidayList>(reading.days);
  const qsizetype valid = static_cast<qsizetype>(list->size());
  clb.SetHolidayList(std::move(list));
  // A list with its header and no day is as good as none, and said as an empty one is.
  if (reading.badLines == 0 && valid == 0)
    return u"休業日ファイルに休業日がありません。\n"_s + path + u'\n' + kWithoutList;
  if (reading.badLines == 0) return {};

  if (bytes->isEmpty()) return u"休業日ファイルが空です。\n"_s + path + u'\n' + kWithoutList;
  QString message = u"休業日ファイルに読めない行が%1行あります。\n"_s.arg(reading.badLines) + path + u'\n';
  message += reading.firstBadLine == 1 && !reading.headerOk
                 ? u"1行目（見出し「国民の祝日・休日月日,国民の祝日・休日名称」がありません）："_s
                 : u"%1行目："_s.arg(reading.firstBadLine);
  message += reading.firstBadText + u'\n';
  message += valid > 0 ? u"読めた%1日の休業日を使います。"_s.arg(valid) : kWithoutList;
  return message;
}

}  // namespace rdx508
