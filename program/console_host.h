#pragma once
// Internal to program/. The Host of a command-line run: the local clock, the program's folder, and every box
// written as a line to the error stream instead of shown.

#include <QTextStream>

#include "toolkit/host.h"

namespace rdx508 {

class ConsoleHost : public Host {
 public:
  ConsoleHost(QString programFolder, QTextStream& err) : folder_(std::move(programFolder)), err_(err) {}

  QDateTime now() const override { return QDateTime::currentDateTime(); }
  QString programFolder() const override { return folder_; }
  void errorBox(const QString& title, const QString& text) override {
    err_ << title << ": " << text << Qt::endl;
  }
  bool askYesNo(const QString& /*question*/) override { return false; }
  void startupNotice(const QString& message) override { err_ << message << Qt::endl; }
  void endProgram() override {}

 private:
  QString folder_;
  QTextStream& err_;
};

}  // namespace rdx508
