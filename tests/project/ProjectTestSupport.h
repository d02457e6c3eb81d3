#pragma once

#include "project/ProjectHost.h"

#include <QByteArray>
#include <QHash>
#include <QPair>
#include <QString>
#include <QStringList>
#include <ostream>

class CProject;
class CTreeFolder;

// A host that records what the project asked of the program and answers
// from the values set on it.
class CFakeHost : public CProjectHost
{
public:
    bool CloseProjectFiles() const override { return m_closeFiles; }
    bool ParseAllFiles() const override { return m_parseAll; }
    bool OpenDocumentFile(const QString &path) override;
    void CloseEditorWindow(const QString &path) override;
    bool GetEditorState(const QString &path, int &selStart, int &selEnd) const override;
    void ParseFile(CProject &project, const QString &path) override;
    void RefreshMainFrame() override { m_calls << QStringLiteral("RefreshMainFrame"); }
    void UpdateAllViews() override { m_calls << QStringLiteral("UpdateAllViews"); }
    void RefreshProjectFolder(CProjectFolder &folder) override;
    void ShowFileInProjectView(CProjectFileItem &item) override;
    void SelectProject(CProjectFolder &folder) override;
    void RefreshOutputWindows() override { m_calls << QStringLiteral("RefreshOutputWindows"); }
    void FocusProjectPane() override { m_calls << QStringLiteral("FocusProjectPane"); }
    void FileRenamed(const QString &oldPath, const QString &newPath) override
    {
        m_calls << QStringLiteral("Renamed %1 %2").arg(oldPath, newPath);
    }

    bool m_closeFiles = false;
    bool m_parseAll = false;
    // Files shown in editor windows: path -> selection.
    QHash<QString, QPair<int, int>> m_editors;
    QStringList m_calls;
};

// Every stored field of a project, one "field=value" line each, with the
// tree indented: two projects are equal when their dumps are.
QStringList DumpProject(const CProject &project);
QStringList DumpTree(const CTreeFolder &folder, int depth = 0);

// Readable failure output for Qt strings.
void PrintTo(const QString &s, std::ostream *os);
void PrintTo(const QStringList &l, std::ostream *os);
