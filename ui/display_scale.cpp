#include "ui/display_scale.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

const QString kScaleKey = u"display/scale"_s;

bool Offered(int32_t percent) {
  return std::find(kScaleChoices.begin(), kScaleChoices.end(), percent) != kScaleChoices.end();
}

}  // namespace

QString DisplaySettingsFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/RDX508/display.ini"_s;
}

int32_t StoredScale(const QString& file) {
  // Most users never choose a scale: a missing file spares every start QSettings' setup.
  if (!QFileInfo::exists(file)) return 100;
  bool ok = false;
  const int32_t percent = QSettings(file, QSettings::IniFormat).value(kScaleKey).toInt(&ok);
  return ok && Offered(percent) ? percent : 100;
}

bool StoreScale(const QString& file, int32_t percent) {
  if (!Offered(percent)) return false;
  QSettings settings(file, QSettings::IniFormat);
  settings.setValue(kScaleKey, percent);
  settings.sync();
  return settings.status() == QSettings::NoError;
}

void ApplyStoredScale(const QString& file) {
  if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return;
  const int32_t percent = StoredScale(file);
  if (percent != 100) qputenv("QT_SCALE_FACTOR", QByteArray::number(percent / 100.0));
}

}  // namespace rdx508
