#include "fuzz/fuzz_host.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace rdx508::fuzz {

const QString& ScratchFolder() {
  static const QString folder = [] {
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    const QString path = base + QStringLiteral("/rdx508-fuzz-") + QString::number(getpid());
    QDir().mkpath(path);
    return path;
  }();
  return folder;
}

QString WriteScratch(const char* name, const uint8_t* data, size_t size) {
  const QString path = ScratchFolder() + u'/' + QString::fromLatin1(name);
  QFile f(path);
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  return path;
}

QString InputText(const uint8_t* data, size_t size) {
  QStringDecoder decoder("CP932", QStringDecoder::Flag::Stateless);
  return decoder.decode(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
}

}  // namespace rdx508::fuzz
