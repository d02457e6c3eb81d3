#pragma once

#include "QtPrinters.h"
#include "project/ProjectFileItem.h"
#include "project/ProjectFolder.h"
#include "project/ProjectHost.h"

#include <QByteArray>
#include <QHash>
#include <QPair>
#include <QString>
#include <QStringList>

class CProject;
class CTreeFolder;

// A host that records what the project asked of the program and answers
// from the values set on it.
class CFakeHost : public CProjectHost
{
public:
    bool CloseProjectFiles() const override { return m_closeFiles; }
    bool ParseAllFiles() const override { return m_parseAll; }
    bool OpenDocumentFile(const QString &path) override
    {
        m_calls << "Open " + path;
        return true;
    }
    void CloseEditorWindow(const QString &path) override { m_calls << "CloseEditor " + path; }
    bool GetEditorState(const QString &path, int &selStart, int &selEnd) const override;
    void ParseFile(CProject &, const QString &path) override { m_calls << "Parse " + path; }
    void RefreshMainFrame() override { m_calls << QStringLiteral("RefreshMainFrame"); }
    void UpdateAllViews() override { m_calls << QStringLiteral("UpdateAllViews"); }
    void RefreshProjectFolder(CProjectFolder &folder) override
    {
        m_calls << "RefreshProjectFolder " + folder.GetName();
    }
    void ShowFileInProjectView(CProjectFileItem &item) override
    {
        m_calls << "ShowFile " + item.GetName();
    }
    void SelectProject(CProjectFolder &folder) override
    {
        m_calls << "SelectProject " + folder.GetName();
    }
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

// The project's files in name order (the list's own order depends on how
// files were added).
QStringList SortedFiles(const CProject &project);

// Every stored field of a project, one "field=value" line each, with the
// tree indented: two projects are equal when their dumps are.
QStringList DumpProject(const CProject &project);
QStringList DumpTree(const CTreeFolder &folder, int depth = 0);
