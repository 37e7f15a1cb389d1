#pragma once
// Support shared by the fuzz harnesses: a silent Host and a scratch file that each
// input is written to before a reader opens it.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "toolkit/host.h"

namespace rdx508::fuzz {

class SilentHost : public Host {
 public:
  QString folder;
  QDateTime now() const override { return QDateTime(QDate(2024, 11, 29), QTime(18, 30)); }
  QString programFolder() const override { return folder; }
  void errorBox(const QString&, const QString&) override {}
  bool askYesNo(const QString&) override { return false; }
  void startupNotice(const QString&) override {}
  void endProgram() override {}
};

// A private folder for this process (under /dev/shm when it exists).
const QString& ScratchFolder();

// Writes the bytes to a file in the scratch folder and returns its path.
QString WriteScratch(const char* name, const uint8_t* data, size_t size);

// The input decoded as code page 932 text (for harnesses that take a typed text).
QString InputText(const uint8_t* data, size_t size);

}  // namespace rdx508::fuzz
