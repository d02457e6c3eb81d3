#pragma once

#include <QString>

class CVarContainer;

// Finds a class by its name among everything the program knows about (the
// package database). Parsed files ask it to follow a class's bases beyond
// the file itself.
class CClassLookup
{
public:
    virtual ~CClassLookup() = default;
    // The class or interface of that name, null when none is known.
    virtual const CVarContainer *FindClassByName(const QString &name) const = 0;
};
