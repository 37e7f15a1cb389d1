#pragma once
// Where the notebook lives: the program's own folder when it holds the settings file (the
// portable program folder), otherwise the folder --data names, otherwise the user's data
// folder ($XDG_DATA_HOME/RDX508, by default ~/.local/share/RDX508).

#include <QString>

namespace rdx508 {

// The settings file's name: its presence makes a folder a notebook.
inline const QString kSettingsFileName = QStringLiteral("RDX508_INIT.TXT");

struct NotebookPlace {
  QString folder;         // absolute, no trailing separator
  bool portable = false;  // the program's own folder
};

// The notebook folder. `dataOption` is the folder --data names ("" when not given): it
// wins over everything, as the user asked for it; a relative one is taken from the working
// folder. Without it, the program's folder when it holds the settings file; otherwise
// `xdgDataHome`/RDX508 when that is an absolute path, else `home`/.local/share/RDX508.
NotebookPlace ChooseNotebookFolder(const QString& programFolder, const QString& dataOption,
                                   const QString& xdgDataHome, const QString& home);

// The same with XDG_DATA_HOME and the home folder taken from the environment.
NotebookPlace ChooseNotebookFolder(const QString& programFolder, const QString& dataOption);

// Whether `folder` holds a notebook: its settings file exists (it may still be damaged,
// which reading it reports).
bool HoldsNotebook(const QString& folder);

// The folder of the files an installed program ships beside itself: the holiday list, the
// sample data and the settings template, in share/rdx508 of the program's prefix
// (/usr/bin/rdx508 -> /usr/share/rdx508).
QString SharedDataFolder(const QString& programFolder);

}  // namespace rdx508
