// The plain readers: L_Read (lines), Tbl_Read (comma-terminated fields) and F_Read
// (byte-wise double-byte decoding).

#include <cerrno>
#include <vector>

#include "toolkit/clb_c1.h"
#include "toolkit/clb_error.h"
#include "toolkit/clb_report.h"
#include "toolkit/cp932.h"
#include "toolkit/text_file.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {
namespace {

constexpr int32_t kMaxByteLines = 10000;
constexpr int32_t kMaxLineBytes = 1000;

}  // namespace

int32_t CLB_C1::L_Read(const QString& INFile_Name, List& in_rec) {
  return RunReported(host_, kLReadReport, [&] {
    const std::optional<std::vector<QString>> lines = ReadKeptLines(INFile_Name);
    if (!lines) return 0;
    const int32_t n = static_cast<int32_t>(lines->size());
    List result({n});
    for (int32_t i = 1; i <= n; ++i)
      result(i) = (*lines)[static_cast<size_t>(i - 1)];
    in_rec = std::move(result);
    return n;
  });
}

int32_t CLB_C1::Tbl_Read(const QString& T_Name, Table2& T_tbl, int32_t& Fld_Cnt) {
  return RunReported(host_, kTblReadReport, [&] {
    const std::optional<std::vector<QString>> lines = ReadKeptLines(T_Name);
    if (!lines) return -1;
    const int32_t n = static_cast<int32_t>(lines->size());
    if (Fld_Cnt <= 0) {
      Fld_Cnt = lines->empty()
                    ? 1
                    : static_cast<int32_t>(std::min<qsizetype>(1 + lines->front().count(u','), INT32_MAX));
    }
    Table2 result({n, Fld_Cnt});
    for (int32_t i = 1; i <= n; ++i) {
      const QString& line = (*lines)[static_cast<size_t>(i - 1)];
      // Each field ends at its comma; an empty field moves on to the next one, and text
      // after the last comma is not a field.
      qsizetype start = 0;
      for (int32_t k = 1; k <= Fld_Cnt; ++k) {
        const qsizetype comma = line.indexOf(u',', start);
        if (comma < 0) break;  // the remaining fields stay empty
        result(i, k) = line.mid(start, comma - start);
        start = comma + 1;
      }
    }
    T_tbl = std::move(result);
    return n;
  });
}

int32_t CLB_C1::Tbl_Read(const QString& T_Name, Table2& T_tbl) {
  int32_t fields = 0;
  return Tbl_Read(T_Name, T_tbl, fields);
}

int32_t CLB_C1::F_Read(const QString& INFile_Name, List& in_rec) {
  return RunReported(host_, kFReadReport, [&] {
    FileFailure failure;
    const std::optional<QByteArray> bytes = ReadFileBytes(INFile_Name, &failure);
    if (!bytes) throw ClbError(failure.number, failure.description);
    if (bytes->isEmpty()) return 0;

    // Cut the bytes into lines; any run of CR and LF is one break, so blank lines vanish.
    std::vector<QByteArrayView> lines;
    const QByteArrayView all(*bytes);
    qsizetype i = 0;
    while (i < all.size()) {
      while (i < all.size() && (all[i] == '\r' || all[i] == '\n'))
        ++i;
      if (i >= all.size()) break;
      const qsizetype start = i;
      while (i < all.size() && all[i] != '\r' && all[i] != '\n')
        ++i;
      if (i - start > kMaxLineBytes) ThrowSubscript(u"(1 行が 1000 バイトを超えています)"_s);
      if (lines.size() >= static_cast<size_t>(kMaxByteLines)) ThrowSubscript(u"(10000 行を超えています)"_s);
      lines.push_back(all.sliced(start, i - start));
    }

    // Decode each line character by character: a lead byte takes the byte after it.
    const int32_t n = static_cast<int32_t>(lines.size());
    List result({n});
    for (int32_t j = 1; j <= n; ++j) {
      const QByteArrayView line = lines[static_cast<size_t>(j - 1)];
      QString text;
      for (qsizetype k = 0; k < line.size(); ++k) {
        const unsigned char byte = static_cast<unsigned char>(line[k]);
        if (byte == 0) break;  // a zero byte ends the stored line
        if (IsCp932LeadByte(byte)) {
          if (k + 1 == kMaxLineBytes) ThrowSubscript(u"(1000 バイト目が 2 バイト文字の先頭です)"_s);
          // A lead byte without its trail byte shows as an undecodable byte.
          if (k + 1 < line.size()) {
            text += cp932::Decode(line.sliced(k, 2));
          } else {
            text += QChar(0x1A);
          }
          ++k;
        } else {
          text += cp932::Decode(line.sliced(k, 1));
        }
      }
      SubstituteUndecodable(text);
      result(j) = text;
    }
    in_rec = std::move(result);
    return n;
  });
}

}  // namespace rdx508
