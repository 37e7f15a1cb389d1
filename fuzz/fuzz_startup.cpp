// Feeds a fuzzed day file, colour-range file and typed texts through start-up, the main
// window's load and a round of clicks and typing: scrolling, opening and confirming the
// entry panels with the typed values, applying a typed colour limit, and saving. The
// input is split at bytes 0xFF (day file, colour file, typed texts) and the typed part
// at bytes 0xFE (date, first index, second index, advancing, declining, limit). No input
// may crash or hang the program.
#include <QStringList>
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "app/files/startup.h"
#include "fuzz/fuzz_host.h"
#include "toolkit/clb_c1.h"
#include "ui/rdx_f508.h"

using namespace rdx508;

namespace {

// The next part of [begin, end) up to `separator`; begin moves past it.
std::pair<const uint8_t*, size_t> NextPart(const uint8_t*& begin, const uint8_t* end, uint8_t separator) {
  const uint8_t* stop = std::find(begin, end, separator);
  const std::pair<const uint8_t*, size_t> part{begin, static_cast<size_t>(stop - begin)};
  begin = stop == end ? end : stop + 1;
  return part;
}

void TypeIntoPanel(RDX_F508& window, const QStringList& typed) {
  static const char16_t* const kBoxes[] = {u"日付修正入力", u"TOPIX修正入力", u"日経修正入力",
                                           u"上昇数修正入力", u"下落数修正入力"};
  for (int i = 0; i < 5; ++i)
    window.setText(QString::fromUtf16(kBoxes[i]), -1, typed.value(i));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static testing::FakeHost host = [] {
    testing::FakeHost h = testing::QuietHost();
    h.folder = fuzz::ScratchFolder();
    static const char settings[] =
        "1,3,FUZZ\r\n01,001,,,\\DAYS.TXT\r\n01,002,,,\\OUT_DAYS.TXT\r\n"
        "01,003,,,\\COLOR.TXT\r\n01,004,,,\\OUT_COLOR.TXT\r\n";
    fuzz::WriteScratch("RDX508_INIT.TXT", reinterpret_cast<const uint8_t*>(settings), sizeof settings - 1);
    return h;
  }();
  const uint8_t* at = data;
  const uint8_t* const end = data + size;
  const auto days = NextPart(at, end, 0xFF);
  const auto colours = NextPart(at, end, 0xFF);
  QStringList typed;
  while (at != end) {
    const auto part = NextPart(at, end, 0xFE);
    typed << fuzz::InputText(part.first, part.second);
  }
  fuzz::WriteScratch("DAYS.TXT", days.first, days.second);
  fuzz::WriteScratch("COLOR.TXT", colours.first, colours.second);

  CLB_C1 clb(host);
  StartupTables tables;
  if (!ReadStartupFiles(clb, tables).isEmpty()) return 0;
  RDX_F508 window(clb, host, tables);
  window.Form_Load();
  window.click(QStringLiteral("移動"), 0);
  window.click(QStringLiteral("上下"), 0);
  window.click(QStringLiteral("見出"), 1);
  window.click(QStringLiteral("連番"), 0);
  TypeIntoPanel(window, typed);
  window.click(QStringLiteral("する"));
  window.click(QStringLiteral("見出"), 9);
  TypeIntoPanel(window, typed);
  window.click(QStringLiteral("する"));
  window.click(QStringLiteral("日付"), 1);
  window.click(QStringLiteral("する"));
  window.setText(QStringLiteral("範囲指定"), 0, typed.value(5));
  window.setText(QStringLiteral("範囲指定"), 5, typed.value(5));
  window.click(QStringLiteral("色見本題名"), 0);
  window.SaveData();
  return 0;
}
