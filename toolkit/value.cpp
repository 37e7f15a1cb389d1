#include "toolkit/value.h"

#include "toolkit/numeric.h"

namespace rdx508 {

bool Value::isNumeric() const {
  if (isNumber()) return true;
  if (isText()) return IsNumericText(std::get<QString>(v_));
  return false;
}

double Value::toNumber() const {
  if (isNumber()) return std::get<double>(v_);
  if (isText()) return ParseNumber(std::get<QString>(v_)).value_or(0.0);
  return 0.0;
}

QString Value::toText() const {
  if (isNumber()) return PlainNumberText(std::get<double>(v_));
  if (isText()) return std::get<QString>(v_);
  return QString();
}

bool operator==(const Value& a, const Value& b) {
  if (a.isText() && b.isText()) return std::get<QString>(a.v_) == std::get<QString>(b.v_);
  if (a.isEmpty() && b.isEmpty()) return true;
  // Empty stands for "" beside a text and for 0 beside a number.
  if (a.isEmpty()) return b.isText() ? std::get<QString>(b.v_).isEmpty() : b.toNumber() == 0;
  if (b.isEmpty()) return a.isText() ? std::get<QString>(a.v_).isEmpty() : a.toNumber() == 0;
  // A number beside a text: equal when the text reads as that number.
  if (!a.isNumeric() || !b.isNumeric()) return false;
  return a.toNumber() == b.toNumber();
}

}  // namespace rdx508
