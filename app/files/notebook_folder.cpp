#include "app/files/notebook_folder.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

QString Clean(const QString& folder) {
  QString clean = QDir::cleanPath(QDir(folder).absolutePath());
  while (clean.size() > 1 && clean.endsWith(u'/'))
    clean.chop(1);
  return clean;
}

}  // namespace

NotebookPlace ChooseNotebookFolder(const QString& programFolder, const QString& dataOption,
                                   const QString& xdgDataHome, const QString& home) {
  if (!dataOption.isEmpty()) return {Clean(dataOption), false};
  if (HoldsNotebook(programFolder)) return {Clean(programFolder), true};
  // A relative XDG_DATA_HOME is invalid and ignored, as the base directory rules say.
  if (!xdgDataHome.isEmpty() && QDir::isAbsolutePath(xdgDataHome))
    return {Clean(xdgDataHome + u"/RDX508"_s), false};
  return {Clean(home + u"/.local/share/RDX508"_s), false};
}

NotebookPlace ChooseNotebookFolder(const QString& programFolder, const QString& dataOption) {
  return ChooseNotebookFolder(programFolder, dataOption, qEnvironmentVariable("XDG_DATA_HOME"),
                              QDir::homePath());
}

bool HoldsNotebook(const QString& folder) {
  return QFileInfo::exists(folder + u'/' + kSettingsFileName);
}

QString SharedDataFolder(const QString& programFolder) {
  return Clean(programFolder + u"/../share/rdx508"_s);
}

}  // namespace rdx508
