#pragma once

#include <QList>
#include <QString>

// The project pane's commands as data: which commands each kind of node
// offers in its context menu, when each is enabled and what its item says.
// The view only describes the selection and turns the entries into a menu.
class CProjectCommands
{
public:
    // What a node is, for its context menu and the commands it allows.
    enum class NodeKind {
        None,
        Root,
        ClosedProject,
        OpenProject,
        VirtualFolder,
        ClosedProjectFileItem,
        OpenProjectFileItem,
        ClosedProjectResItem,
        OpenProjectResItem,
        OpenProjectClassView, // the open project while the class view is shown
        ClassElement,         // a class, interface or member in the class view
    };

    // The selection and the view's state, as the enabling rules see them.
    struct State
    {
        NodeKind kind = NodeKind::None;
        bool haveWorkspace = false;
        bool projectOpen = false;
        bool inOpenProject = false; // the node belongs to the open project
        bool canRename = false;
        bool isHtml = false;      // the node is an HTML file
        bool isJava = false;      // the node is a Java source
        bool folderShown = false; // the node is a folder with an item in the tree
        bool toolBusy = false;
        bool classViewAvailable = false;
        bool toolsAvailable = false; // compile and the compiler options are wired
        int displayMode = 0;         // 0 file view, 1 class view
        int sortMode = 1;            // 1 compile order, 2 alphabetical
    };

    // One item of a context menu; id 0 is a separator.
    struct Entry
    {
        int id;
        const char *text;
    };

    static bool IsEnabled(int id, const State &state);
    // The text an item shows in place of its entry's text, or empty.
    static QString Text(int id, const State &state);
    // The context menu of a kind of node, top to bottom (empty for None).
    static QList<Entry> Menu(NodeKind kind);
    // The context menu's name for a kind ("OpenProjectFileItem", ...).
    static QString MenuName(NodeKind kind);
};
