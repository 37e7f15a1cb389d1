#pragma once
// The one fake Host of the tests, benchmarks and fuzzers: a fixed clock, a chosen
// program folder, and a record of every box the code under test would have shown.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

#include "toolkit/host.h"

namespace rdx508::testing {

class FakeHost : public Host {
 public:
  struct Box {
    QString title, text;
  };

  QDateTime clock{QDate(2007, 3, 15), QTime(9, 5)};
  QString folder;
  bool answer = true;   // what askYesNo answers
  bool cancel = false;  // askYesNoCancel answers Cancel instead of `answer`
  bool keep = true;     // false: boxes are answered but not recorded

  std::vector<Box> errors;
  std::vector<QString> questions;
  std::vector<QString> notices;
  int ends = 0;

  QDateTime now() const override { return clock; }
  QString programFolder() const override { return folder; }
  void errorBox(const QString& title, const QString& text) override {
    if (keep) errors.push_back({title, text});
  }
  bool askYesNo(const QString& question) override {
    if (keep) questions.push_back(question);
    return answer;
  }
  Answer askYesNoCancel(const QString& question) override {
    if (keep) questions.push_back(question);
    return cancel ? Answer::Cancel : (answer ? Answer::Yes : Answer::No);
  }
  void startupNotice(const QString& message) override {
    if (keep) notices.push_back(message);
  }
  void endProgram() override { ++ends; }
};

// The host benchmarks and fuzzers run under, millions of times: the evening of the sample
// data's last day, every question answered no, nothing recorded.
inline FakeHost QuietHost() {
  FakeHost host;
  host.clock = QDateTime(QDate(2024, 11, 29), QTime(18, 30));
  host.answer = false;
  host.keep = false;
  return host;
}

// File helpers for tests that write fixtures and read results byte for byte.
QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);
QByteArray ToCp932(const QString& text);     // encodes with the program's code page
QString FromCp932(const QByteArray& bytes);  // decodes with the program's code page

}  // namespace rdx508::testing
