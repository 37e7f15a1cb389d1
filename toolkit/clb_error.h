#pragma once
// A runtime failure inside the utility class: the number and description that its
// error box shows, or that a caller catches; and the class's own failures.

#include <QString>
#include <cstdint>
#include <stdexcept>

namespace rdx508 {

class ClbError : public std::runtime_error {
 public:
  ClbError(int32_t number, const QString& description)
      : std::runtime_error(description.toStdString()), number_(number), description_(description) {}
  int32_t number() const { return number_; }
  const QString& description() const { return description_; }

 private:
  int32_t number_;
  QString description_;
};

// Failure numbers of the program's own runtime errors (file errors carry the OS error).
inline constexpr int32_t kErrInvalidCall = 5;
inline constexpr int32_t kErrOverflow = 6;
inline constexpr int32_t kErrOutOfMemory = 7;
inline constexpr int32_t kErrSubscript = 9;
inline constexpr int32_t kErrTypeMismatch = 13;

// Their descriptions, as the error box shows them.
inline constexpr char16_t kOverflowText[] = u"オーバーフローしました。";
inline constexpr char16_t kSubscriptText[] = u"インデックスが有効範囲にありません。";
inline constexpr char16_t kTypeMismatchText[] = u"型が一致しません。";

[[noreturn]] inline void ThrowOverflow() {
  throw ClbError(kErrOverflow, QString::fromUtf16(kOverflowText));
}
// `detail` follows the description, for example which limit a file passed.
[[noreturn]] inline void ThrowSubscript(const QString& detail = {}) {
  throw ClbError(kErrSubscript, QString::fromUtf16(kSubscriptText) + detail);
}
[[noreturn]] inline void ThrowTypeMismatch() {
  throw ClbError(kErrTypeMismatch, QString::fromUtf16(kTypeMismatchText));
}

}  // namespace rdx508
