// Colour ranges: the subject shown in the strip, applying typed limits, the legend's
// top label and the band colours of the three painted columns.

#include "app/series/derived_columns.h"
#include "toolkit/clb_error.h"
#include "ui/rdx_f508.h"
#include "ui/typed_input.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

const QString& SubjectName(int subject) {
  static const QString kNames[3] = {GridHeading(Derived::UpRatio), GridHeading(Derived::UpRatio5),
                                    GridHeading(Derived::AdRatio)};
  return kNames[subject];
}

}  // namespace

void RDX_F508::SetLimitText(int k, const QString& text) {
  Limit(k).text = text;
  // The legend beside "超過" mirrors the top limit.
  if (k == 5) controls_[legend_[7]].text = text;
}

int RDX_F508::CurrentSubject() const {
  const QString& caption = controls_[subjectTitle_].text;
  for (int s = 0; s < 3; ++s)
    if (caption == SubjectName(s)) return s;
  return -1;
}

void RDX_F508::SelectSubject(int subject) {
  controls_[subjectTitle_].text = SubjectName(subject);
  for (int k = 0; k < 6; ++k)
    SetLimitText(k, range_(subject, k).toText());
}

void RDX_F508::ApplyLimits() {
  const int s = CurrentSubject();
  if (s < 0) return;
  EditState before = CaptureState();
  bool changed = false;
  for (int k = 0; k < 6; ++k) {
    const Value limit(TypedNumber(Limit(k).text));
    changed = changed || !(range_(s, k) == limit);  // by value: the text "20" equals 20
    range_(s, k) = limit;
  }
  if (changed) history_.Record(std::move(before), {SubjectName(s) + u"の色範囲"_s, {}, s});
  RedrawGrid();
}

void RDX_F508::PrepareBandLimits() {
  // A limit that is empty or not a number (a hand-edited colour-range file) counts as 0;
  // the band lookup would otherwise stop on it and no refresh could finish.
  for (int s = 0; s < 3; ++s)
    for (int k = 0; k < 7; ++k) {
      const Value& limit = range_(s, k);
      bandLimits_(s, k) = Value(limit.isNumeric() ? limit.toNumber() : 0.0);
    }
}

void RDX_F508::ColourCell(Control& cell, int subject) {
  cell.opaque = true;
  int32_t band = -1;
  try {
    band = clb_.Frenge(Value(cell.text), bandLimits_, Value(subject));
  } catch (const ClbError&) {
    band = -1;
  }
  if (band < 0 || band > 6) return;  // a caption that is no number keeps its colours
  const Control& source = band == 6 ? controls_[legend_[7]] : Limit(band);
  cell.foreColor = source.foreColor;
  cell.backColor = source.backColor;
}

}  // namespace rdx508
