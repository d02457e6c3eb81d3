#include "app/DocumentTypes.h"

#include "app/FilePathInfo.h"

CDocumentTypes::Kind CDocumentTypes::ForPath(const QString &path)
{
    const CFilePathInfo info(path, false);
    struct Row
    {
        const char *ext;
        Kind kind;
    };
    static const Row kRows[] = {
        {".mavu", Project},     {".pkg", PackageDb},      {".proj", Workspace},
        {".hpg", HelpTree},     {".ipg", SearchIndex},    {".zip", ClassArchive},
        {".jar", ClassArchive}, {".class", ClassArchive},
    };
    for (const Row &row : kRows) {
        if (info.IsExtension(QString::fromLatin1(row.ext)))
            return row.kind;
    }
    return EditorFile;
}

QString CDocumentTypes::NewProjectPath(const QString &chosen)
{
    const CFilePathInfo info(chosen, false);
    if (info.IsExtension(QStringLiteral(".mavu")))
        return chosen;
    return info.Drive() + info.Dir() + info.FileName() + QStringLiteral(".mavu");
}

QString CDocumentTypes::AddToPackageTreeQuestion()
{
    return QStringLiteral(
        "Please select YES if you want to add the file to package tree otherwise select NO.");
}
