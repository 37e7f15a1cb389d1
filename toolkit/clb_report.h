#pragma once
// Internal to toolkit/: the operations of CLB_C1 that report a runtime failure in the
// library's error box, each with the label of the box's title and the result it returns
// after the box, and the one wrapper that runs an operation's body so.

#include <QString>
#include <cstdint>
#include <stdexcept>
#include <utility>

#include "toolkit/clb_error.h"
#include "toolkit/host.h"

namespace rdx508 {

template <typename Failure>
struct ReportedOperation {
  const char16_t* label;  // follows "CLB_C1" in the box's title
  Failure failure;        // the result after the box
};

inline constexpr ReportedOperation<const char16_t*> kSampleReport{u"(関数 サンプル)", u"実行失敗"};
inline constexpr ReportedOperation<const char16_t*> kFmatReport{u"(関数 Fmat)", u""};
inline constexpr ReportedOperation<const char16_t*> kFgetQReport{u"FgetQ", u""};
inline constexpr ReportedOperation<const char16_t*> kBReadReport{u"(関数 B_Read)", u""};
inline constexpr ReportedOperation<int32_t> kLWriteReport{u"(関数 L_Write)", -1};
inline constexpr ReportedOperation<int32_t> kLReadReport{u"(関数 L_Read)", -1};
inline constexpr ReportedOperation<int32_t> kFReadReport{u"(関数 F_Read)", -1};
inline constexpr ReportedOperation<int32_t> kTblReadReport{u"(関数 Tbl_Read)", -1};
// TblSort returns after the box the element count it had read by then.
inline constexpr const char16_t* kTblSortLabel = u"(関数 TblSort)";

// The error box: title "CLB_C1" + label, text "Error(" + number + ")" + description.
inline void ShowClbError(Host& host, const char16_t* label, int32_t number, const QString& description) {
  host.errorBox(QStringLiteral("CLB_C1") + QString::fromUtf16(label),
                QStringLiteral("Error(") + QString::number(number) + u')' + description);
}

inline QString FailureResult(const char16_t* text) {
  return *text == 0 ? QString() : QString::fromUtf16(text);
}
inline int32_t FailureResult(int32_t count) {
  return count;
}

// Runs body() and returns its result; on a runtime failure shows the error box and
// returns `failure`, which is read only then, so that the body may still set it.
template <typename Failure, typename Body>
auto RunReported(Host& host, const char16_t* label, const Failure& failure, Body&& body) -> decltype(body()) {
  try {
    return std::forward<Body>(body)();
  } catch (const ClbError& error) {
    ShowClbError(host, label, error.number(), error.description());
  } catch (const std::out_of_range&) {
    ShowClbError(host, label, kErrSubscript, QString::fromUtf16(kSubscriptText));
  } catch (const std::exception& error) {
    ShowClbError(host, label, kErrOutOfMemory, QString::fromLocal8Bit(error.what()));
  }
  return FailureResult(failure);
}

template <typename Failure, typename Body>
auto RunReported(Host& host, const ReportedOperation<Failure>& operation, Body&& body) -> decltype(body()) {
  return RunReported(host, operation.label, operation.failure, std::forward<Body>(body));
}

}  // namespace rdx508
