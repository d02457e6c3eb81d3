#pragma once

#include <QStringList>

class QTextStream;

// "mavu --run PROJECT.mavu [ARGS...]": the arguments after --run. Reads the
// settings, the workspace and the package database as the IDE would,
// compiles what is stale and runs the project's program with this process's
// standard input, output and error; returns the program's exit code (2 when
// it could not run). ARGS, when given, replace the project's program
// arguments. A QCoreApplication must exist.
int RunRunCommand(const QStringList &args, QTextStream &err);
