#include "toolkit/value.h"

#include <algorithm>

#include "toolkit/numeric.h"

namespace rdx508 {

Value Value::ofText(QStringView text) {
  Value value;
  if (text.size() > static_cast<qsizetype>(ShortText::kCapacity)) {
    value.v_ = text.toString();
  } else {
    ShortText& held = value.v_.emplace<ShortText>();
    held.size = static_cast<std::uint8_t>(text.size());
    std::copy(text.utf16(), text.utf16() + text.size(), held.units.begin());
  }
  return value;
}

QStringView Value::textView() const {
  if (const auto* held = std::get_if<ShortText>(&v_)) return QStringView(held->units.data(), held->size);
  if (const auto* text = std::get_if<QString>(&v_)) return *text;
  return {};
}

std::optional<double> Value::numeric() const {
  if (isNumber()) return std::get<double>(v_);
  if (isText()) return ParseNumber(textView());
  return std::nullopt;
}

bool Value::isNumeric() const {
  return numeric().has_value();
}

double Value::toNumber() const {
  return numeric().value_or(0.0);
}

QString Value::toText() const {
  if (isNumber()) return PlainNumberText(std::get<double>(v_));
  if (const auto* text = std::get_if<QString>(&v_)) return *text;
  return textView().toString();
}

bool operator==(const Value& a, const Value& b) {
  if (a.isText() && b.isText()) return a.textView() == b.textView();
  if (a.isEmpty() && b.isEmpty()) return true;
  // Empty stands for "" beside a text and for 0 beside a number.
  if (a.isEmpty()) return b.isText() ? b.textView().isEmpty() : b.toNumber() == 0;
  if (b.isEmpty()) return a.isText() ? a.textView().isEmpty() : a.toNumber() == 0;
  // A number beside a text: equal when the text reads as that number.
  if (!a.isNumeric() || !b.isNumeric()) return false;
  return a.toNumber() == b.toNumber();
}

}  // namespace rdx508
