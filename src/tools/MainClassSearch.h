#pragma once

#include <QList>
#include <QString>

class CClassLookup;
class CFileObject;
class CVarClass;

// What Run starts when the project names neither a main class file nor a
// main HTML file: the first parsed file with a class that has a static main,
// else the first class whose chain of bases, followed through the package
// database, reaches "Applet".
class CMainClassSearch
{
public:
    struct Parsed
    {
        QString path;
        const CFileObject *file = nullptr;
    };
    struct Found
    {
        QString path; // the file that declares the class
        const CFileObject *file = nullptr;
        const CVarClass *cls = nullptr;
        bool isApplet = false;
    };

    // Files are looked at in the order given; the caller gives them in the
    // order of its map of parsed files.
    static Found Search(const QList<Parsed> &files, const CClassLookup &lookup);

    // The applet class's name as the HTML page names it: package, ".",
    // class; the class alone without a package statement.
    static QString QualifiedName(const Found &found);

    static QString AppletQuestion(const QString &className);
    static QString NothingToRunMessage();
};
