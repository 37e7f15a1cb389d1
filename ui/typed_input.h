#pragma once
// Internal to ui/. What the user types into the window's boxes, read with the program's number and date
// rules after Unicode compatibility normalisation (NFKC): full-width digits, "．" "，" "－"
// "＋" "／" and the ideographic space read exactly as their ASCII forms.

#include <QString>
#include <cstdint>
#include <optional>

namespace rdx508 {

// The typed text in its compatibility form (NFKC).
QString NormalisedTyped(const QString& text);

// A typed number: its value when the normalised text is numeric, otherwise 0.
double TypedNumber(const QString& text);

// A typed issue count: the typed number rounded half to even; nullopt when it does not fit
// a 32-bit integer.
std::optional<int32_t> TypedCount(const QString& text);

// Whether a typed count holds a fraction (12.5 issues), which rounding would hide.
bool IsFractionalCount(const QString& text);

// The fields of a row pasted from a spreadsheet: the first line of `text` split at tabs;
// a trailing line break is no field. One field (the text itself) when it holds no tab.
QStringList PastedFields(const QString& text);

}  // namespace rdx508
