#pragma once

#include "javamodel/ClassLookup.h"

class CProject;

// Classes of the open project by name, for the class wizard's checks: the
// source named after the class first (a public class lives there), then
// every source parsed so far. The package database, once it is there,
// answers for the libraries' classes through the same interface.
class CProjectClassLookup : public CClassLookup
{
public:
    explicit CProjectClassLookup(CProject &project) : m_project(project) {}
    const CVarContainer *FindClassByName(const QString &name) const override;

    // Where name is declared in the project: a class or interface (nested
    // ones too), else a method, else a field; sources named after it are
    // searched first. False when none is found.
    bool FindDeclaration(const QString &name, QString *path, int *line) const;

private:
    CProject &m_project;
};
