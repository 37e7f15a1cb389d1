#pragma once
// Internal to ui/qt/. TextBox: a one-line input box that reports Enter and Escape, so that the window can
// map them to confirming or cancelling an entry panel.

#include <QLineEdit>

namespace rdx508 {

class TextBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit TextBox(QWidget* parent = nullptr);

 Q_SIGNALS:
  void enterPressed();
  void escapePressed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace rdx508
