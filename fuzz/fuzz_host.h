#pragma once
// Support shared by the fuzz harnesses: a scratch file that each input is written to
// before a reader opens it, and the fake Host of the tests, quiet.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "support/fake_host.h"

namespace rdx508::fuzz {

// A private folder for this process (under /dev/shm when it exists).
const QString& ScratchFolder();

// Writes the bytes to a file in the scratch folder and returns its path.
QString WriteScratch(const char* name, const uint8_t* data, size_t size);

// The input decoded as code page 932 text (for harnesses that take a typed text).
QString InputText(const uint8_t* data, size_t size);

}  // namespace rdx508::fuzz
