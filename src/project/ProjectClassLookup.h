#pragma once

#include "javamodel/ClassLookup.h"

class CProject;

// Classes of the open project by name, for the class wizard's checks: the
// source named after the class first (a public class lives there), then
// every source parsed so far, then the fallback (the package database, for
// the libraries' classes).
class CProjectClassLookup : public CClassLookup
{
public:
    explicit CProjectClassLookup(CProject &project, const CClassLookup *fallback = nullptr)
        : m_project(project), m_fallback(fallback)
    {
    }
    const CVarContainer *FindClassByName(const QString &name) const override;

    // Where name is declared in the project: a class or interface (nested
    // ones too), else a method, else a field; sources named after it are
    // searched first. False when none is found.
    bool FindDeclaration(const QString &name, QString *path, int *line) const;

private:
    CProject &m_project;
    const CClassLookup *m_fallback; // not owned
};
