#pragma once
// A CLB_C1 over a FakeHost with a scratch folder for fixture files.

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "support/fake_host.h"
#include "toolkit/clb_c1.h"

namespace rdx508::testing {

class ToolkitTest : public ::testing::Test {
 protected:
  QString path(const QString& name) const { return dir.path() + QStringLiteral("/") + name; }
  // Writes text in code page 932 and returns the file's path.
  QString writeText(const QString& name, const QString& text) {
    WriteBytes(path(name), ToCp932(text));
    return path(name);
  }
  QString writeRaw(const QString& name, const QByteArray& bytes) {
    WriteBytes(path(name), bytes);
    return path(name);
  }

  QTemporaryDir dir;
  FakeHost host;
  CLB_C1 clb{host};
};

}  // namespace rdx508::testing
