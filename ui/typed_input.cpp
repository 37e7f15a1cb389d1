#include "ui/typed_input.h"

#include <QStringList>
#include <cmath>

#include "toolkit/numeric.h"

namespace rdx508 {

QString NormalisedTyped(const QString& text) {
  return text.normalized(QString::NormalizationForm_KC);
}

double TypedNumber(const QString& text) {
  return ParseNumber(NormalisedTyped(text)).value_or(0.0);
}

std::optional<int32_t> TypedCount(const QString& text) {
  return RoundToInt32(TypedNumber(text));
}

bool IsFractionalCount(const QString& text) {
  const double value = TypedNumber(text);
  return std::isfinite(value) && value != std::trunc(value);
}

QStringList PastedFields(const QString& text) {
  QString line = text;
  const qsizetype lineEnd = line.indexOf(QLatin1Char('\n'));
  if (lineEnd >= 0) line.truncate(lineEnd);
  if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
  return line.split(QLatin1Char('\t'));
}

}  // namespace rdx508
