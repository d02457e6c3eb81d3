#include "app/CommandLineInfo.h"

#include "app/FilePathInfo.h"

#include <QFileInfo>

void CCommandLineInfo::ParseCommandLine(const QStringList &args)
{
    m_nShellCommand = FileNew;
    m_strFileName.clear();
    for (const QString &arg : args) {
        if (arg.isEmpty() || arg.startsWith(QLatin1Char('-')))
            continue;
        m_strFileName = QFileInfo(arg).absoluteFilePath();
        m_nShellCommand = FileOpen;
        break;
    }
}

bool CCommandLineInfo::IsProjectFile(const QString &path)
{
    return CFilePathInfo(path, false).IsExtension(QStringLiteral(".mavu"));
}

CCommandLineInfo::InitialOpen CCommandLineInfo::InitialDocument(const QString &lastProject,
                                                                QString *path) const
{
    if (m_nShellCommand == FileOpen && !m_strFileName.isEmpty()) {
        *path = m_strFileName;
        // A project file that is missing goes the way of any other file, so
        // that opening it says the file was not found.
        if (IsProjectFile(m_strFileName) && CFilePathInfo(m_strFileName).Exists())
            return OpenProject;
        return OpenDocument;
    }
    if (!lastProject.isEmpty() && CFilePathInfo(lastProject).Exists()) {
        *path = lastProject;
        return OpenProject;
    }
    path->clear();
    return OpenNothing;
}
