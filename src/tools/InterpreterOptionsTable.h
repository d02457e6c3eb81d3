#pragma once

#include "project/ToolOptions.h"

#include <QList>
#include <QString>

// The rows of the interpreter options pages (workspace and project): each
// option's label, its flag, where its value lives, and what today's java
// makes of the flag, so the page can warn before a run fails.
struct CInterpreterOptionRow
{
    enum Scope { Both, GlobalOnly, ProjectOnly };
    enum Java17 { Accepted, Warns, Rejected };

    QString label;
    QString flag; // as put on the command line, with its leading blank; empty for none
    int CInterpreterOptions::*on = nullptr;
    QString CInterpreterOptions::*value = nullptr; // null for a plain switch
    Scope scope = Both;
    Java17 java17 = Accepted;
    QString java17Note; // what the page shows beside a flag java 17 warns about or rejects
};

class CInterpreterOptionsTable
{
public:
    static const QList<CInterpreterOptionRow> &Rows();
    // The rows a page shows: the workspace page has no project-only rows,
    // the project page no global-only ones.
    static QList<CInterpreterOptionRow> RowsFor(bool projectPage);

    static QString SelectInterpreterTitle() { return QStringLiteral("Select Interpreter"); }
    // The picker's filter: any file may be an interpreter here.
    static QString SelectInterpreterFilter() { return QStringLiteral("All Files (*)"); }
};
