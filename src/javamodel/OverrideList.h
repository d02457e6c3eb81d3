#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class CVarContainer;
class CVarMethodDecl;

// What the class wizard's Override menu offers for a base class: the base's
// methods that may be overridden, in the base's order, each with the
// one-line description of the API documentation when that is wanted. A
// method the documentation calls deprecated is marked (for good) and its
// entry starts with "[".
class COverrideList
{
public:
    struct Entry
    {
        const CVarMethodDecl *method = nullptr; // null for the "none" entry
        QString text;
        QString description; // "Help Not available" when there is none
    };

    // pageText: the base's API page (empty when the documentation is off
    // or the page could not be read).
    static QList<Entry> Build(const CVarContainer &base, const QString &pageText, bool apiDocs);

    // The API page of a class: the documentation directory, the package
    // and a dot (when the class has a known package), the class name and
    // ".html".
    static QString ApiPagePath(const QString &docDir, const QString &packageName,
                               const QString &className);
    // The one-line description of the member named name in an API page, or
    // empty when the page does not have one.
    static QString MemberDescription(const QString &pageText, const QString &name);
};
