#pragma once
// Internal to ui/qt/. NoteDialog: the small editor of one day's note. Enter keeps the note, Escape cancels,
// an empty note removes it; a character the notes file cannot hold is named and refused.

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace rdx508 {

class NoteDialog : public QDialog {
  Q_OBJECT
 public:
  NoteDialog(const QString& date, const QString& note, QWidget* parent = nullptr);
  QString note() const;

 private:
  void check();

  QLineEdit* edit_;
  QLabel* problem_;
  QPushButton* keep_;
};

}  // namespace rdx508
