// Reading the chart's input off the main window.

#include "ui/chart_input.h"

#include "ui/rdx_f508.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

ChartInput ChartInputOf(RDX_F508& form) {
  ChartInput in;
  in.series = &form.series();
  in.nikkei = form.Index() == IndexKind::Nikkei;
  for (size_t s = 0; s < 3; ++s) {
    for (size_t k = 0; k < 6; ++k) {
      const Value& limit = form.Range(int(s), int(k));
      in.limits[s][k] = limit.isNumeric() ? limit.toNumber() : 0.0;
    }
  }
  // A banded cell takes the colours of box 範囲指定(k) for bands 0 ... 5 and of the legend
  // 色見本(7) for band 6.
  for (int k = 0; k < 7; ++k) {
    const Control& source = k < 6 ? form.control(u"範囲指定"_s, k) : form.control(u"色見本"_s, 7);
    in.colours[size_t(k)] = {source.foreColor, source.backColor};
  }
  return in;
}

}  // namespace rdx508
