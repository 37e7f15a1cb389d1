#pragma once
// Internal to ui/. Which index the grid shows and computes with: 東証平均 (TOPIX) or 日経平均.
// The values are the window's historical mode numbers, which IndexMode() still returns.

#include <QString>
#include <cstdint>

namespace rdx508 {

enum class IndexKind : int32_t { Topix = 0, Nikkei = 225 };

constexpr IndexKind OtherIndex(IndexKind kind) {
  return kind == IndexKind::Topix ? IndexKind::Nikkei : IndexKind::Topix;
}

// The index's name as headings, boxes and tool tips write it.
inline QString IndexName(IndexKind kind) {
  return kind == IndexKind::Topix ? QStringLiteral("東証平均") : QStringLiteral("日経平均");
}

}  // namespace rdx508
