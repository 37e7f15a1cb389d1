#pragma once
// Internal to program/. The notebook a run opens: the folder it chooses (the program's
// folder, --data or the user's data folder) and, on the command line, the notebook that an
// import creates when it is missing.

#include <QString>
#include <QStringList>

#include "toolkit/host.h"

namespace rdx508 {

// Takes every well-formed `--data DIR` / `--data=DIR` out of the arguments and returns the
// last folder named ("" when none). A `--data` without a value stays, for the command
// line's usage error.
QString TakeDataOption(QStringList& arguments);

// Before a command-line run on the host's notebook folder: "" when the notebook is there,
// or when `create` (an import) and it could be made; otherwise the message that says why
// the run cannot go on. `sharedFolder` holds the shipped holiday list.
QString PrepareCommandLineNotebook(Host& host, bool create, const QString& sharedFolder);

}  // namespace rdx508
