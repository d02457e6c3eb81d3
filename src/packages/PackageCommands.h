#pragma once

#include <QString>

class CPackageObject;
class CPkgDoc;
class CVarContainer;

// What the package view's commands do to the package database, apart from
// the widgets: finding the packages that hold a class or interface of a
// name, one after another, and deleting a package after asking.
class CPackageCommands
{
public:
    enum Kind { Classes, Interfaces };
    struct Match
    {
        CPackageObject *m_package = nullptr;
        CVarContainer *m_element = nullptr;
    };

    explicit CPackageCommands(CPkgDoc &db) : m_db(db) {}

    // A new search: names beginning with text (in any letter case), or,
    // for a whole name, only that name.
    void BeginFind(const QString &text, Kind kind, bool wholeName = false);
    // Whether any package holds a type of that kind and name.
    bool Holds(const QString &text, Kind kind, bool wholeName) const;
    // The next package, in map order, that holds a type whose name begins
    // with the search text; each package counts once. After the last one,
    // the end message and an empty match; the next call says it again.
    Match FindNext();
    bool HasSearch() const { return !m_text.isEmpty(); }
    const QString &SearchText() const { return m_text; }
    Kind SearchKind() const { return m_kind; }

    // Asks whether to delete the package and deletes it on Yes.
    bool DeletePackage(const QString &name);

    static QString EndMessage()
    {
        return QStringLiteral("End of Package hierarchy reached. No more matches.");
    }
    static QString DeleteQuestion(const QString &name)
    {
        return QStringLiteral("Are you sure you want to delete package") + name +
               QStringLiteral(" ???");
    }

private:
    CPkgDoc &m_db;
    QString m_text;
    Kind m_kind = Classes;
    bool m_wholeName = false;
    int m_index = 0;
};
