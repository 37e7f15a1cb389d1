// B_Read: reads a file of nested blocks ([ { ( < headers and key lines) into two
// five-index tables of names and data.

#include <array>
#include <map>
#include <utility>
#include <vector>

#include "toolkit/clb_c1.h"
#include "toolkit/clb_report.h"
#include "toolkit/field_split.h"
#include "toolkit/text_file.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {
namespace {

// Line kinds: 1-4 header levels, 5 key line or empty line, 0 comment.
int LineLevel(const QString& line) {
  if (line.isEmpty()) return 5;
  switch (line[0].unicode()) {
    case u'[':
      return 1;
    case u'{':
      return 2;
    case u'(':
      return 3;
    case u'<':
      return 4;
    case u'\'':
    case u'#':
      return 0;
    default:
      return 5;
  }
}

// The members of a header's member list, as FC2_FindPos would compare them.
std::vector<QString> Members(const QString& data) {
  std::vector<QString> fields = AllFields(data, u","_s, u"="_s);
  fields.erase(fields.begin());  // field 0, the key, is never compared
  return fields;
}

// For each wanted name within a level-1 block: the first parent (in index order) whose
// member list names it. Indices compare lexicographically, which is the search order.
template <size_t Depth>
class ParentIndex {
 public:
  using Path = std::array<int32_t, Depth>;  // (a, b, ...) of the parent

  void add(const Path& parent, const QString& data) {
    for (const QString& member : Members(data)) {
      auto [it, inserted] = first_.try_emplace({parent[0], member}, parent);
      if (!inserted && parent < it->second) it->second = parent;
    }
  }
  const Path* find(int32_t block, const QString& name) const {
    auto it = first_.find({block, name});
    return it == first_.end() ? nullptr : &it->second;
  }

 private:
  std::map<std::pair<int32_t, QString>, Path> first_;
};

}  // namespace

QString CLB_C1::B_Read(const QString& INFile_Name, Table5& Block_Name, Table5& Block_Data) {
  return RunReported(host_, kBReadReport, [&] {
    const std::optional<std::vector<QString>> lines = ReadKeptLines(INFile_Name);
    if (!lines) return QString();
    std::array<int32_t, 6> counts{};  // by level; [0] counts comments
    for (const QString& line : *lines)
      ++counts[static_cast<size_t>(LineLevel(line))];

    Table5 names({counts[1], counts[2], counts[3], counts[4], counts[5]});
    Table5 data({counts[1], counts[2], counts[3], counts[4], counts[5]});
    const QString result = QString::number(counts[1]) + u',' + QString::number(counts[2]) + u',' +
                           QString::number(counts[3]) + u',' + QString::number(counts[4]) + u',' +
                           QString::number(counts[5]);

    // Children attached so far, per parent; kept in maps so that many headers cost no
    // more than the lines that declare them.
    std::map<std::array<int32_t, 1>, int32_t> level2;
    std::map<std::array<int32_t, 2>, int32_t> level3;
    std::map<std::array<int32_t, 3>, int32_t> level4;
    std::map<std::array<int32_t, 4>, int32_t> keys;
    ParentIndex<2> level2Members;  // (a, b) listing a level-3 name
    ParentIndex<3> level3Members;
    ParentIndex<4> level4Members;

    int32_t a = 0;
    for (const QString& line : *lines) {
      const int level = LineLevel(line);
      if (level == 0 || line.isEmpty()) continue;
      const qsizetype eq = line.indexOf(u'=');
      const QString rowData = eq < 0 ? QString() : line.mid(eq + 1);
      QString name = FieldAt(line, 0, u","_s, u"="_s);
      if (level <= 4) name = name.size() >= 2 ? name.mid(1, name.size() - 2) : QString();

      switch (level) {
        case 1:
          ++a;
          names(a, 0, 0, 0, 0) = name;
          if (eq >= 0) data(a, 0, 0, 0, 0) = rowData;
          break;
        case 2: {
          const int32_t b = ++level2[{a}];
          names(a, b, 0, 0, 0) = name;
          data(a, b, 0, 0, 0) = rowData;
          level2Members.add({a, b}, rowData);
          break;
        }
        case 3:
          if (const auto* parent = level2Members.find(a, name)) {
            const auto [pa, b] = *parent;
            const int32_t c = ++level3[{pa, b}];
            names(a, b, c, 0, 0) = name;
            data(a, b, c, 0, 0) = rowData;
            level3Members.add({a, b, c}, rowData);
          }
          break;
        case 4:
          if (const auto* parent = level3Members.find(a, name)) {
            const auto [pa, b, c] = *parent;
            const int32_t d = ++level4[{pa, b, c}];
            names(a, b, c, d, 0) = name;
            data(a, b, c, d, 0) = rowData;
            level4Members.add({a, b, c, d}, rowData);
          }
          break;
        default:
          if (const auto* parent = level4Members.find(a, name)) {
            const auto [pa, b, c, d] = *parent;
            const int32_t e = ++keys[{pa, b, c, d}];
            names(a, b, c, d, e) = name;
            data(a, b, c, d, e) = rowData;
          }
          break;
      }
    }
    Block_Name = std::move(names);
    Block_Data = std::move(data);
    return result;
  });
}

}  // namespace rdx508
