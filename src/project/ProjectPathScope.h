#pragma once

#include <QString>

// Project files keep the paths of their files relative to the project's
// directory, so that a project folder can be moved, copied or checked out
// elsewhere and still find its files. While a project tree is being written
// the writer opens a scope with that directory; file items ask it how to
// store their path. Files outside the directory keep their absolute path.
//
// Scopes nest and belong to the thread that opens them; all archives are
// written on the GUI thread.
class CProjectPathScope
{
public:
    explicit CProjectPathScope(const QString &projectDir);
    ~CProjectPathScope();
    CProjectPathScope(const CProjectPathScope &) = delete;
    CProjectPathScope &operator=(const CProjectPathScope &) = delete;

    // The form to store for path under the innermost scope: relative with
    // '/' separators when inside the project directory, else unchanged.
    static QString ToStored(const QString &path);
    // The inverse for one directory: a relative stored path is resolved
    // against projectDir; an absolute one, or one that resolves to nothing,
    // is kept as it was stored.
    static QString FromStored(const QString &stored, const QString &projectDir);
    // Relative form of path against projectDir (no scope involved).
    static QString Relative(const QString &path, const QString &projectDir);

private:
    QString m_dir;
    CProjectPathScope *m_outer;
};
