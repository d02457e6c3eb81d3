#pragma once

#include <QStringList>

class QTextStream;

// "mavu --build PROJECT.mavu [--dirty]": the arguments after --build. Reads
// the settings and the workspace as the IDE would (writing neither),
// builds the project without a window and returns the exit code: 0 built,
// 1 javac reported errors, 2 the project cannot be read (or the arguments
// name none). A QCoreApplication must exist.
int RunBuildCommand(const QStringList &args, QTextStream &out, QTextStream &err);
