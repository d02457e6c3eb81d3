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

private:
    CProject &m_project;
};
