#pragma once
// Internal to toolkit/: the field rules of the extractor FC2_Pos, shared by the readers:
// one field of a line, or every field of it in one pass.

#include <QString>
#include <cstdint>
#include <vector>

namespace rdx508 {

// Removes leading and trailing spaces (only U+0020).
QString TrimSpaces(QStringView text);

// Field `number` of `line`. Mode "=" is the keyed mode (0 = key before "=", 1 = first
// value, k = k-th field); any other mode is the bracket mode in which `separator` opens
// a field that "]" closes. A separator of other than one character never matches.
QString FieldAt(const QString& line, int32_t number, const QString& separator, const QString& mode);

// Every field from 0 to the last one the line holds, as FieldAt gives them.
std::vector<QString> AllFields(const QString& line, const QString& separator, const QString& mode);

}  // namespace rdx508
