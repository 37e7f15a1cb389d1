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
  // The window uses Qt's base module only: its catalogue alone, rather than qt_ja, which
  // loads every module's. qt_ja serves where qtbase_ja is not installed on its own.
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  const QLocale japanese(QLocale::Japanese, QLocale::Japan);
  if ((translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"), folder) ||
       translator->load(japanese, QStringLiteral("qt"), QStringLiteral("_"), folder)) &&
      QCoreApplication::installTranslator(translator))
    return true;
  delete translator;
  return false;
}

}  // namespace rdx508
