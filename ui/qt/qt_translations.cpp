#include "ui/qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace rdx508 {

bool InstallQtTranslations() {
  auto* app = QCoreApplication::instance();
  if (!app) return false;
  auto* translator = new QTranslator(app);  // lives as long as the application
  // qt_ja loads qtbase_ja and the other modules' catalogues it names.
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  const QLocale japanese(QLocale::Japanese, QLocale::Japan);
  if ((translator->load(japanese, QStringLiteral("qt"), QStringLiteral("_"), folder) ||
       translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) &&
      QCoreApplication::installTranslator(translator))
    return true;
  delete translator;
  return false;
}

}  // namespace rdx508
