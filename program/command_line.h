#pragma once
// Internal to program/. The program's command line: importing a CSV file into the day file and exporting
// every day, without a window, on the settings of the program's folder.

#include <QStringList>
#include <QTextStream>

#include "toolkit/host.h"

namespace rdx508 {

// Whether the arguments (the program's name left out) ask for a command-line run rather
// than the window: the first one is an option starting with "--".
bool IsCommandLineRun(const QStringList& arguments);

// Runs `rdx508 --import FILE [--overwrite]`, `--export FILE [--encoding utf-8|cp932]`,
// `--help` or `--version`. Prints a one-line summary to `out` and returns 0 when done;
// prints one message per problem (file, line, why) to `err` and returns 1 on bad input or
// a failure, having written nothing; returns 2 after the usage on a usage error.
int RunCommandLine(const QStringList& arguments, Host& host, QTextStream& out, QTextStream& err);

// The usage text of --help.
QString CommandLineUsage();

}  // namespace rdx508
