#include "project/ProjectCommands.h"

#include "core/CommandIds.h"

#include <iterator>

using Kind = CProjectCommands::NodeKind;

bool CProjectCommands::IsEnabled(int id, const State &s)
{
    const bool openFile = s.kind == Kind::OpenProjectFileItem || s.kind == Kind::OpenProjectResItem;
    switch (id) {
    case Cmd::ProjectNodeOpen:
    case Cmd::ProjectNodeDelete:
        return s.kind == Kind::ClosedProject;
    case Cmd::ProjectNodeClose:
        return s.projectOpen;
    case Cmd::ProjectAddProject:
    case Cmd::ProjectUpdateImages:
        return s.haveWorkspace;
    case Cmd::AddFile:
    case Cmd::ProjectAddFileCtx:
    case Cmd::ProjectAddDirectory:
    case Cmd::ProjectImport:
        return s.projectOpen;
    case Cmd::ProjectAddFolder:
        return s.kind == Kind::OpenProject || (s.kind == Kind::VirtualFolder && s.inOpenProject);
    case Cmd::ProjectDeleteFolder:
        return s.kind == Kind::VirtualFolder && s.inOpenProject;
    case Cmd::ProjectRename:
        return s.canRename;
    case Cmd::ProjectRemoveFile:
        return openFile;
    case Cmd::ProjectMainClass:
        return s.kind == Kind::OpenProjectFileItem && !s.isHtml;
    case Cmd::ProjectMainHtml:
        return s.kind == Kind::OpenProjectFileItem && s.isHtml;
    case Cmd::ProjectFileInfo:
        return openFile || s.kind == Kind::ClosedProjectFileItem ||
               s.kind == Kind::ClosedProjectResItem;
    case Cmd::ProjectAlphaOrder:
    case Cmd::ProjectSortLabel:
        return s.folderShown;
    case Cmd::ClassViewOpen:
        return s.kind == Kind::ClassElement;
    case Cmd::ProjectViewMode:
        // Always possible to go back to the file view.
        return !s.toolBusy && (s.classViewAvailable || s.displayMode == 1);
    case Cmd::ProjectCompile:
        return s.toolsAvailable && !s.toolBusy && s.kind == Kind::OpenProjectFileItem && s.isJava;
    case Cmd::ProjectRebuildFolder:
    case Cmd::ProjectCompileFolder:
        return s.toolsAvailable && !s.toolBusy &&
               (s.kind == Kind::OpenProject || (s.kind == Kind::VirtualFolder && s.inOpenProject));
    case Cmd::CompileOptions:
    case Cmd::RunOptions:
    case Cmd::ProjectClasspath:
    case Cmd::JavadocOptions:
    case Cmd::ProjectFindInFiles:
        return s.toolsAvailable && s.projectOpen;
    case Cmd::RootCompileOptions:
    case Cmd::RootRunOptions:
    case Cmd::RootJavadocOptions:
        return s.toolsAvailable && s.haveWorkspace;
    default:
        // Run, parse, browse, the other option sheets and the resource
        // commands arrive with the tools they drive.
        return false;
    }
}

QString CProjectCommands::Text(int id, const State &s)
{
    switch (id) {
    case Cmd::ProjectViewMode:
        return s.displayMode == 1 ? QStringLiteral("File View") : QStringLiteral("Class View");
    case Cmd::ProjectAlphaOrder:
    case Cmd::ProjectSortLabel:
        return s.sortMode == 2 ? QStringLiteral("Alphabetical Order")
                               : QStringLiteral("Compile Order");
    default:
        return QString();
    }
}

QList<CProjectCommands::Entry> CProjectCommands::Menu(NodeKind kind)
{
    static const QList<Entry> folderCommands = {
        {Cmd::ProjectAddFileCtx, "Add File..."},
        {Cmd::ProjectAddFolder, "Add Folder"},
        {Cmd::ProjectAddDirectory, "Add Directory..."},
        {Cmd::ProjectImport, "Import Mavu Project..."},
    };
    static const QList<Entry> buildCommands = {
        {Cmd::ProjectRebuildFolder, "Rebuild Folder"},
        {Cmd::ProjectCompileFolder, "Compile *.java Folder"},
        {Cmd::ProjectFindInFiles, "Find in Files..."},
    };
    const Entry separator{0, nullptr};
    switch (kind) {
    case Kind::Root:
        return {{Cmd::ProjectAddProject, "Add Project..."},
                separator,
                {Cmd::RootRunOptions, "Root Interpreter Options"},
                {Cmd::RootCompileOptions, "Root Compiler Options"},
                {Cmd::RootJavadocOptions, "Root Javadoc Options"},
                separator,
                {Cmd::ProjectUpdateImages, "Update Images"},
                {Cmd::ProjectAlphaOrder, "Alphabetical Order"}};
    case Kind::ClosedProject:
        return {{Cmd::ProjectNodeOpen, "Open..."},
                {Cmd::ProjectNodeDelete, "Delete"},
                separator,
                {Cmd::ProjectUpdateImages, "Update Images"}};
    case Kind::OpenProject:
        return QList<Entry>{{Cmd::ProjectNodeClose, "Close"}, separator} + folderCommands +
               QList<Entry>{separator} + buildCommands +
               QList<Entry>{separator,
                            {Cmd::ProjectAlphaOrder, "Alphabetical Order"},
                            {Cmd::ProjectViewMode, "Project View"},
                            {Cmd::ProjectUpdateImages, "Update Images"},
                            separator,
                            {Cmd::ProjectClasspath, "Classpath..."},
                            {Cmd::CompileOptions, "Compiler Options..."},
                            {Cmd::RunOptions, "Interpreter Options..."},
                            {Cmd::JavadocOptions, "Javadoc Options..."}};
    case Kind::OpenProjectClassView:
        return {{Cmd::ProjectNodeClose, "Close"},
                separator,
                {Cmd::ProjectViewMode, "Project View"},
                {Cmd::ProjectUpdateImages, "Update Images"},
                separator,
                {Cmd::ProjectClasspath, "Classpath..."},
                {Cmd::CompileOptions, "Compiler Options..."},
                {Cmd::RunOptions, "Interpreter Options..."},
                {Cmd::JavadocOptions, "Javadoc Options..."}};
    case Kind::ClassElement:
        return {{Cmd::ClassViewOpen, "Open"}, separator, {Cmd::ProjectViewMode, "Project View"}};
    case Kind::VirtualFolder:
        return folderCommands +
               QList<Entry>{separator,
                            {Cmd::ProjectRename, "Rename"},
                            {Cmd::ProjectDeleteFolder, "Delete Folder"},
                            separator} +
               buildCommands +
               QList<Entry>{separator, {Cmd::ProjectAlphaOrder, "Alphabetical Order"}};
    case Kind::OpenProjectFileItem:
    case Kind::ClosedProjectFileItem:
        return {{Cmd::ProjectCompile, "Compile"},
                {Cmd::ProjectParse, "Parse..."},
                {Cmd::ProjectBrowse, "Browse"},
                separator,
                {Cmd::ProjectMainClass, "Main Class"},
                {Cmd::ProjectMainHtml, "Main HTML"},
                separator,
                {Cmd::ProjectRename, "Rename"},
                {Cmd::ProjectRemoveFile, "Delete"},
                separator,
                {Cmd::ProjectFileInfo, "File Info"}};
    case Kind::OpenProjectResItem:
    case Kind::ClosedProjectResItem:
        return {{Cmd::ResourceFirst, "Add Dialog..."},
                {Cmd::ResourceFirst + 1, "Add Frame..."},
                {Cmd::ResourceFirst + 2, "GUI Builder"},
                {Cmd::ResourceFirst + 3, "GUI Builder (Debug)"},
                separator,
                {Cmd::ProjectRename, "Rename"},
                {Cmd::ProjectRemoveFile, "Delete"},
                separator,
                {Cmd::ProjectFileInfo, "File Info"}};
    case Kind::None:
        break;
    }
    return {};
}

QString CProjectCommands::MenuName(NodeKind kind)
{
    // In the order of NodeKind.
    static const char *const kNames[] = {nullptr,
                                         "RootOptions",
                                         "ClosedProject",
                                         "OpenProjectFileView",
                                         "VirtualFolder",
                                         "ClosedProjectFileItem",
                                         "OpenProjectFileItem",
                                         "ClosedProjectResItem",
                                         "OpenProjectResItem",
                                         "OpenProjectClassView",
                                         "ClassElement"};
    static_assert(std::size(kNames) == std::size_t(Kind::ClassElement) + 1);
    const char *name = kNames[int(kind)];
    return name ? QString::fromLatin1(name) : QString();
}
