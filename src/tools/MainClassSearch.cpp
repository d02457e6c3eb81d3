#include "tools/MainClassSearch.h"

#include "javamodel/FileObject.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarPackage.h"

CMainClassSearch::Found CMainClassSearch::Search(const QList<Parsed> &files,
                                                 const CClassLookup &lookup)
{
    for (const Parsed &p : files) {
        if (!p.file)
            continue;
        if (const CVarClass *c = p.file->FindMainClass())
            return Found{p.path, p.file, c, false};
    }
    for (const Parsed &p : files) {
        if (!p.file)
            continue;
        if (const CVarClass *c = p.file->FindAppletClass(lookup))
            return Found{p.path, p.file, c, true};
    }
    return Found{};
}

QString CMainClassSearch::QualifiedName(const Found &found)
{
    if (!found.cls)
        return QString();
    if (found.file && found.file->m_package && !found.file->m_package->m_name.isEmpty())
        return found.file->m_package->m_name + QLatin1Char('.') + found.cls->m_name;
    return found.cls->m_name;
}

QString CMainClassSearch::AppletQuestion(const QString &className)
{
    return QStringLiteral("Found class %1 in the project which derives from Applet. Please select "
                          "YES to run this class as an applet or NO to select the class manually")
        .arg(className);
}

QString CMainClassSearch::NothingToRunMessage()
{
    return QStringLiteral(
        "Unable to find a class with Main method to run. Please define main method in a class or "
        "add a HTML file to the project and select the HTML file as main HTML file to run as an "
        "Applet.");
}
