#pragma once
// A runtime failure inside the utility class: the number and description that its
// error box shows, or that a caller catches.

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

}  // namespace rdx508
