#pragma once
// The first start: when the notebook folder holds no notebook yet, a box asks how to begin
// (an empty notebook, the sample data, or days taken from a CSV file) and the notebook is
// created before the start-up files are read.

#include <QString>
#include <functional>

#include "ui/qt/qt_host.h"

namespace rdx508 {

struct FirstStart {
  bool proceed = true;  // false: the program ends here (cancelled, or the notebook could not be made)
  QString importFile;   // a CSV file to import once the window is open, "" for none
};

// Asks for a CSV file to import; "" when none was chosen. The default is a file dialog.
using CsvFileChooser = std::function<QString()>;

// Does nothing when the host's folder holds a notebook. Otherwise asks (through the host's
// box runner) and creates the notebook; キャンセル ends the program with nothing written,
// and a notebook that cannot be made is reported in the start-up notice. `sharedFolder`
// holds the shipped holiday list and sample data.
FirstStart RunFirstStart(QtHost& host, const QString& sharedFolder, const CsvFileChooser& chooseCsv = {});

}  // namespace rdx508
