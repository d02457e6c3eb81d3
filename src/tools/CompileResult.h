#pragma once

#include "tools/JavacLineParser.h"

#include <QList>
#include <QString>
#include <QStringList>

// What one compile came to, for whoever shows it beyond the Build tab (the
// error marks of the editors, the headless build's exit code).
struct CCompileResult
{
    int endCode = 0;        // 0, or 101 when the user stopped it
    bool succeeded = false; // no " error" in the compiler's output
    // The sources given to the compiler, as full paths.
    QStringList compiledFiles;
    // Every diagnostic with a place, with full paths.
    QList<CCompileDiagnostic> diagnostics;
};
