#pragma once
// What the platform gives the program's logic: clock, program folder, modal boxes and
// the end of the program. The Qt program implements it; tests use a fake.

#include <QDateTime>
#include <QString>

namespace rdx508 {

class Host {
 public:
  virtual ~Host() = default;
  virtual QDateTime now() const = 0;                                     // local date and time
  virtual QString programFolder() const = 0;                             // no trailing separator
  virtual void errorBox(const QString& title, const QString& text) = 0;  // modal, OK only
  virtual bool askYesNo(const QString& question) = 0;                    // modal, true = Yes
  virtual void startupNotice(const QString& message) = 0;                // modal, titled 市況ノート
  virtual void endProgram() = 0;

  // The answers of a question that can also be called off.
  enum class Answer { Yes, No, Cancel };
  // Modal, with a third answer that changes nothing (Esc gives it). A host without such a
  // box asks the yes-or-no question instead, and is never cancelled.
  virtual Answer askYesNoCancel(const QString& question) {
    return askYesNo(question) ? Answer::Yes : Answer::No;
  }
};

}  // namespace rdx508
