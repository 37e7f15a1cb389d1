#include "support/fake_host.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <stdexcept>

namespace rdx508::testing {

QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
  return f.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
}

QByteArray ToCp932(const QString& text) {
  QStringEncoder encoder("CP932");
  return encoder.encode(text);
}

QString FromCp932(const QByteArray& bytes) {
  QStringDecoder decoder("CP932", QStringDecoder::Flag::Stateless);
  return decoder.decode(bytes);
}

}  // namespace rdx508::testing
