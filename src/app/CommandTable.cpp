#include "app/CommandTable.h"

#include "core/CommandIds.h"

namespace {

using K = QKeySequence;
using S = QStyle;
constexpr auto kNone = QKeySequence::UnknownKey;
constexpr auto kNoIcon = QStyle::SP_CustomBase;

const QList<CCommandDef> kCommands = {
    // File
    {Cmd::FileNew, "&New", "Create a new file", K::New, nullptr, "document-new", S::SP_FileIcon},
    {Cmd::FileOpen, "&Open...", "Open a file, or create it when it does not exist", K::Open,
     nullptr, "document-open", S::SP_DialogOpenButton},
    {Cmd::FileClose, "&Close", "Close the active window", K::Close, nullptr, "document-close",
     kNoIcon},
    {Cmd::FileSave, "&Save", "Save the active file", K::Save, nullptr, "document-save",
     S::SP_DialogSaveButton},
    {Cmd::FileSaveAs, "Save &As...", "Save the active file under a new name", K::SaveAs,
     "Ctrl+Shift+S", "document-save-as", kNoIcon},
    {Cmd::SaveAll, "Save A&ll", "Save all open files", kNone, nullptr, "emblem-documents", kNoIcon},
    {Cmd::FilePrint, "&Print...", "Print the active file", K::Print, nullptr, "document-print",
     kNoIcon},
    {Cmd::FilePrintDirect, "Print &Direct", "Print the active file on the default printer", kNone,
     nullptr, nullptr, kNoIcon},
    {Cmd::FilePrintPreview, "Print Pre&view", "Show the pages as they will print", kNone, nullptr,
     "document-print-preview", kNoIcon},
    {Cmd::FilePrintSetup, "P&rint Setup...", "Choose the printer and its options", kNone, nullptr,
     nullptr, kNoIcon},
    {Cmd::AppExit, "E&xit", "Quit Mavu", K::Quit, "Ctrl+Q, Alt+F4", "application-exit", kNoIcon},

    // Edit
    {Cmd::EditUndo, "&Undo", "Undo the last change", K::Undo, nullptr, "edit-undo",
     S::SP_ArrowBack},
    {Cmd::EditRedo, "&Redo", "Redo the change undone last", K::Redo, nullptr, "edit-redo",
     S::SP_ArrowForward},
    {Cmd::EditCut, "Cu&t", "Cut the selection to the clipboard", K::Cut, nullptr, "edit-cut",
     kNoIcon},
    {Cmd::EditCopy, "&Copy", "Copy the selection to the clipboard", K::Copy, nullptr, "edit-copy",
     kNoIcon},
    {Cmd::EditPaste, "&Paste", "Insert the clipboard", K::Paste, nullptr, "edit-paste", kNoIcon},
    {Cmd::EditClear, "&Delete", "Erase the selection", kNone, nullptr, "edit-delete", kNoIcon},
    {Cmd::EditSelectAll, "Select &All", "Select the entire document", K::SelectAll, nullptr,
     "edit-select-all", kNoIcon},
    {Cmd::EditFind, "&Find...", "Find text in the active window", K::Find, nullptr, "edit-find",
     kNoIcon},
    {Cmd::EditRepeat, "Find Ne&xt", "Find the next occurrence", kNone, "F3", "go-down", kNoIcon},
    {Cmd::EditFindPrevious, "Find Pre&vious", "Find the previous occurrence", kNone, "Shift+F3",
     "go-up", kNoIcon},
    {Cmd::EditReplace, "R&eplace...", "Replace text in the active window", K::Replace, nullptr,
     "edit-find-replace", kNoIcon},
    {Cmd::EditGotoLine, "&Go to Line...", "Goto Line", kNone, "Ctrl+G", "go-jump", kNoIcon},
    {Cmd::GoToDeclaration, "Go to Declaration", "Go to the declaration of the name at the caret",
     kNone, "Ctrl+F12", "go-jump-definition", kNoIcon},
    {Cmd::ProjectViewMode, "&Class View", "Show the classes of the project or its files", kNone,
     nullptr, nullptr, kNoIcon},
    {Cmd::FindInFiles, "Find in F&iles...", "Find text in files", kNone, nullptr, "system-search",
     kNoIcon},
    {Cmd::ToggleBookmark, "Toggle &Bookmark", "Toggle Bookmark", kNone, "Ctrl+F2", nullptr,
     kNoIcon},
    {Cmd::NextBookmark, "Next Boo&kmark", "Go to Next Bookmark", kNone, "F2", nullptr, kNoIcon},
    {Cmd::PreviousBookmark, "Previous Book&mark", "Go to Previous Bookmark", kNone, "Shift+F2",
     nullptr, kNoIcon},
    {Cmd::FindWordAtCursor, "Find &Word at Cursor", "Find Word at the Cursor", kNone, "Ctrl+F3",
     nullptr, kNoIcon},
    {Cmd::LocateInPackages, "Locate in &Packages", "Locate the object in the package hierarchy",
     kNone, nullptr, nullptr, kNoIcon},
    {Cmd::BaseClassOverrides, "Base Class &Overrides...", "Display base class overrides", kNone,
     nullptr, nullptr, kNoIcon},
    {Cmd::SetFont, "Set F&ont...", "Choose the editor font", kNone, nullptr,
     "preferences-desktop-font", kNoIcon},
    {Cmd::EditorOptions, "Editor Option&s...", "Editor settings", kNone, nullptr, nullptr, kNoIcon},
    {Cmd::ColorOptions, "Co&lor...", "Set Color Options", kNone, nullptr, nullptr, kNoIcon},
    {Cmd::Options, "Optio&ns...", "All settings of Mavu", kNone, nullptr, "configure", kNoIcon},

    // View
    {Cmd::ViewToolBar, "&Toolbar", "Show or hide the toolbar", kNone, nullptr, nullptr, kNoIcon},
    {Cmd::ToggleDebugBar, "&Debug Bar", "Show or hide the debug bar", kNone, nullptr, nullptr,
     kNoIcon},
    {Cmd::ToggleBrowserBar, "&Browser Bar", "Toggle Browser Bar", kNone, nullptr, nullptr, kNoIcon},
    {Cmd::ViewStatusBar, "&Status Bar", "Show or hide the status bar", kNone, nullptr, nullptr,
     kNoIcon},
    {Cmd::ToggleOutput, "&Output", "Toggle Output", kNone, nullptr, "utilities-terminal",
     S::SP_ComputerIcon},
    {Cmd::FloatDockOutput, "Float Output", "Float or dock the output window", kNone, nullptr,
     nullptr, kNoIcon},
    {Cmd::FloatDockProject, "Float Project", "Float/Dock Project Window", kNone, nullptr, nullptr,
     kNoIcon},
    {Cmd::PaneSide, "Dock Right", "Move the project pane to the other side", kNone, nullptr,
     nullptr, kNoIcon},
    {Cmd::ToggleDebugWindow, "Debu&gger Window", "Toggle Debug", kNone, nullptr, nullptr, kNoIcon},
    {Cmd::ProjectSpace, "&Project Space", "Bring the project pane to the front", kNone, nullptr,
     "system-file-manager", S::SP_DirIcon},
    {Cmd::ProjectTab, "Project T&ab", "Bring the projects tab to the front", kNone, nullptr,
     nullptr, kNoIcon},
    {Cmd::OutputWindow, "O&utput Window", "Bring the output window to the front", kNone, nullptr,
     nullptr, kNoIcon},
    {Cmd::HelpWindow, "&Help Window", "Bring the help window to the front", kNone, nullptr, nullptr,
     kNoIcon},
    {Cmd::DebugWindow, "D&ebug Window", "Bring the debugger window to the front", kNone, nullptr,
     nullptr, kNoIcon},
    {Cmd::SearchResults, "Search &Results", "Bring the search results to the front", kNone, nullptr,
     nullptr, kNoIcon},

    // Project
    {Cmd::ProjectNew, "&New...", "Create a new project", kNone, nullptr, "folder-new",
     S::SP_FileDialogNewFolder},
    {Cmd::ProjectOpen, "&Open...", "Open a project", kNone, nullptr, "folder-open",
     S::SP_DirOpenIcon},
    {Cmd::ProjectClose, "&Close", "Close the current project", kNone, nullptr, nullptr, kNoIcon},
    {Cmd::ProjectSave, "&Save", "Save the current project", kNone, nullptr, nullptr, kNoIcon},
    {Cmd::AddFile, "&Add File...", "Add files to the project", kNone, nullptr, "list-add", kNoIcon},
    {Cmd::DefaultHtml, "Default &HTML", "Add a default HTML file for the main class", kNone,
     nullptr, nullptr, kNoIcon},
    {Cmd::CompileOptions, "Co&mpile Options...", "Compiler options of the project", kNone, nullptr,
     nullptr, kNoIcon},
    {Cmd::RunOptions, "&Run Options...", "Interpreter options of the project", kNone, nullptr,
     nullptr, kNoIcon},
    {Cmd::JavadocOptions, "&Javadoc Options...", "Javadoc options of the project", kNone, nullptr,
     nullptr, kNoIcon},
    {Cmd::AddFileToProject, "Add &This File to Project", "Add this file to Project", kNone, nullptr,
     nullptr, kNoIcon},
    {Cmd::BrowseFile, "Bro&wse", "Browse this file", kNone, nullptr, nullptr, kNoIcon},
    {Cmd::ParseAll, "&Parse All", "Parse every file of the project", kNone, nullptr, nullptr,
     kNoIcon},
    {Cmd::AddManifest, "Add mani&fest file", "Write a bean manifest for the project", kNone,
     nullptr, nullptr, kNoIcon},
    {Cmd::MakeBean, "Make &Bean", "Build a bean jar from the project", kNone, nullptr, nullptr,
     kNoIcon},
    {Cmd::MakeJar, "Ma&ke Jar...", "Build a jar archive", kNone, nullptr, nullptr, kNoIcon},
    {Cmd::Rmic, "rm&ic...", "Run the stub compiler", kNone, nullptr, nullptr, kNoIcon},

    // Build
    {Cmd::CompileFile, "&Compile", "Compile this file", kNone, "F7", "system-run", kNoIcon},
    {Cmd::CompileMain, "Compile &Main", "Compile Main File", kNone, nullptr, nullptr, kNoIcon},
    {Cmd::RebuildAll, "&Rebuild All", "Build project", kNone, "Shift+F7", "view-refresh",
     S::SP_BrowserReload},
    {Cmd::RebuildDirty, "Rebuild &Dirty", "Rebuild all Dirty files", kNone, "Ctrl+F7", nullptr,
     kNoIcon},
    {Cmd::CompileAllJava, "Compile *.&java", "Compile all java files in this directory", kNone,
     nullptr, nullptr, kNoIcon},
    {Cmd::StopBuild, "&Stop", "Stop Compile or Document Build", kNone, nullptr, "process-stop",
     S::SP_BrowserStop},
    {Cmd::RunApplication, "R&un", "Run the application", kNone, "F4", nullptr, kNoIcon},
    {Cmd::Run, "Run &Project", "Run the main class or main HTML file", kNone, nullptr,
     "media-playback-start", S::SP_MediaPlay},
    {Cmd::RunOrStopRun, "Run or St&op Run", "Stop the running program, else run the project", kNone,
     nullptr, nullptr, kNoIcon},
    {Cmd::StopRun, "Stop Ru&n", "Stop the running program", kNone, nullptr, "media-playback-stop",
     S::SP_MediaStop},
    {Cmd::FindNextError, "Next &Error", "Find Next Error", kNone, "F6", nullptr, kNoIcon},
    {Cmd::FindPrevError, "Pre&vious Error", "Find Previous Error", kNone, "Shift+F6", nullptr,
     kNoIcon},
    {Cmd::JavadocFile, "Javadoc &File", "Javadoc current file", kNone, nullptr, nullptr, kNoIcon},
    {Cmd::JavadocAll, "JavaDoc &All", "Run javadoc on the project", kNone, nullptr, nullptr,
     kNoIcon},
    {Cmd::JavadocFolder, "JavaDoc a Fo&lder...", "Run javadoc on a chosen directory", kNone,
     nullptr, nullptr, kNoIcon},
    {Cmd::ToggleCompiler, "&Toggle Compiler", "Switch between javac and the custom compiler", kNone,
     "Ctrl+J", nullptr, kNoIcon},

    // Debug
    {Cmd::DebugStartCont, "&Start/Cont", "Start/cont Debugger", kNone, "F5", "media-playback-start",
     S::SP_MediaPlay},
    {Cmd::JdbDebug, "&JDB Debug", "Debug with jdb", kNone, nullptr, nullptr, kNoIcon},
    {Cmd::DebugExit, "E&xit", "Exit Debugger", kNone, "F10", "process-stop", S::SP_MediaStop},
    {Cmd::DebugContinue, "&Continue", "Debug Continue", kNone, nullptr, "media-seek-forward",
     S::SP_MediaSeekForward},
    {Cmd::DebugStep, "S&tep", "Single Step", kNone, "F8", "go-down", S::SP_ArrowDown},
    {Cmd::DebugStepOver, "Step &Over", "Step Over", kNone, "F12", "go-next", S::SP_ArrowRight},
    {Cmd::DebugStepUp, "Step &up", "Debug Step Up to previous caller", kNone, "F11", "go-up",
     S::SP_ArrowUp},
    {Cmd::ToggleBreakpoint, "Set/Remove &Break Point", "Set/Remove Break Point", kNone, "F9",
     "media-record", kNoIcon},
    {Cmd::RunToCursor, "&Run to Cursor", "Continue execution until the cursor line", kNone, nullptr,
     "go-last", kNoIcon},
    {Cmd::DebugBreakpoints, "Break&points...", "List the breakpoints", kNone, nullptr,
     "format-justify-fill", kNoIcon},

    // Tools
    {Cmd::CustomCommand, "&Custom Command...", "Define your own commands", kNone, nullptr, nullptr,
     kNoIcon},
    {Cmd::PackageAddUpdate, "&Add/Update Packages", "Add or update packages in the package tree",
     kNone, nullptr, nullptr, kNoIcon},
    {Cmd::PackageFindClass, "Find C&lass...", "Find a class in the package tree", kNone, nullptr,
     nullptr, kNoIcon},
    {Cmd::PackageFindInterface, "Find &Interface...", "Find an interface in the package tree",
     kNone, nullptr, nullptr, kNoIcon},
    {Cmd::AddBean, "Add &Bean...", "Add a bean to the bean tree", kNone, nullptr, nullptr, kNoIcon},
    {Cmd::HelpAddItem, "Add &Help Item...", "Add an item to the help tree", kNone, nullptr, nullptr,
     kNoIcon},
    {Cmd::SetupDirectories, "Setup &Directories...", "The JDK and documentation directories", kNone,
     nullptr, nullptr, kNoIcon},
    {Cmd::BrowserOptions, "B&rowser Options...", "Settings of the help viewer", kNone, nullptr,
     nullptr, kNoIcon},

    // Window
    {Cmd::NextWindow, "&Next Window", "Activate the next window", K::NextChild, nullptr, nullptr,
     kNoIcon},
    {Cmd::WindowCascade, "&Cascade", "Arrange the windows so that they overlap", kNone, nullptr,
     nullptr, kNoIcon},
    {Cmd::WindowTileHorz, "&Tile", "Arrange the windows side by side", kNone, nullptr, nullptr,
     kNoIcon},
    {Cmd::SelectOtherViews, "&Other Views", "Select other Views", kNone, nullptr, nullptr, kNoIcon},
    {Cmd::CloseAll, "Close &All", "Close all editor windows", kNone, nullptr, nullptr, kNoIcon},
    {Cmd::WindowsList, "&Windows...", "The list of open windows", kNone, nullptr, nullptr, kNoIcon},

    // Help
    {Cmd::HelpIndex, "Help &Index", "The index of Mavu's help", kNone, nullptr, "help-contents",
     kNoIcon},
    {Cmd::HelpSearch, "&Search...", "Search the help indices", kNone, nullptr, "system-search",
     kNoIcon},
    {Cmd::HelpHistory, "Help Histo&ry", "The pages shown lately", kNone, nullptr,
     "document-open-recent", kNoIcon},
    {Cmd::HelpLoadUrl, "&Load URL...", "Show a page in the help viewer", kNone, nullptr,
     "web-browser", kNoIcon},
    {Cmd::HelpPrevious, "&Previous Page", "Help Previous", kNone, nullptr, "go-previous",
     S::SP_ArrowBack},
    {Cmd::HelpNext, "&Next Page", "Help Next", kNone, nullptr, "go-next", S::SP_ArrowForward},
    {Cmd::HelpRefresh, "&Refresh", "Load the page again", kNone, nullptr, "view-refresh",
     S::SP_BrowserReload},
    {Cmd::HelpStopLoading, "S&top Loading", "Stop loading the page", kNone, nullptr, "process-stop",
     S::SP_BrowserStop},
    {Cmd::UserIndex, "&User Index...", "Customise the user search indices", kNone, nullptr, nullptr,
     kNoIcon},
    {Cmd::MavuHelpIndex, "&Mavu Help Index", "Rebuild the index of Mavu's own help", kNone, nullptr,
     nullptr, kNoIcon},
    {Cmd::HelpMainMenu, "Help &Topics", "The main menu of the help file", kNone, nullptr, nullptr,
     kNoIcon},
    {Cmd::KeyboardShortcuts, "&Keyboard Shortcuts", "Keyboard shortcuts", kNone, nullptr, nullptr,
     kNoIcon},
    {Cmd::TipOfTheDay, "Tip of the &Day", "Tip of the Day", kNone, nullptr, nullptr, kNoIcon},
    {Cmd::BetaNotes, "&Beta Notes", "Beta Notes", kNone, nullptr, nullptr, kNoIcon},
    {Cmd::WhatsNew, "&What's new", "What's new", kNone, nullptr, nullptr, kNoIcon},
    {Cmd::HomePage, "Mavu &Home Page", "Mavu on the web", kNone, nullptr, nullptr, kNoIcon},
    {Cmd::Support, "Su&pport", "Support", kNone, nullptr, nullptr, kNoIcon},
    {Cmd::ContextHelp, "&Context Help", "Help on a part of the window", K::WhatsThis, nullptr,
     "help-faq", S::SP_TitleBarContextHelpButton},
    {Cmd::AppAbout, "&About Mavu...", "About Mavu", kNone, nullptr, "help-about", kNoIcon},
};

const QList<CMenuDef> kMenus = {
    {"&File",
     {Cmd::FileNew, Cmd::FileOpen, Cmd::FileClose, CMenuDef::Separator, Cmd::FileSave,
      Cmd::FileSaveAs, Cmd::SaveAll, CMenuDef::Separator, Cmd::FilePrint, Cmd::FilePrintDirect,
      Cmd::FilePrintPreview, Cmd::FilePrintSetup, CMenuDef::Separator, CMenuDef::RecentFiles,
      CMenuDef::Separator, Cmd::AppExit}},
    {"&Edit",
     {Cmd::EditUndo,         Cmd::EditRedo,         CMenuDef::Separator,  Cmd::EditCut,
      Cmd::EditCopy,         Cmd::EditPaste,        Cmd::EditClear,       Cmd::EditSelectAll,
      CMenuDef::Separator,   Cmd::EditFind,         Cmd::EditRepeat,      Cmd::EditFindPrevious,
      Cmd::EditReplace,      Cmd::EditGotoLine,     Cmd::GoToDeclaration, Cmd::FindInFiles,
      CMenuDef::Separator,   Cmd::FindWordAtCursor, Cmd::ToggleBookmark,  Cmd::NextBookmark,
      Cmd::PreviousBookmark, CMenuDef::Separator,   Cmd::SetFont,         Cmd::ColorOptions,
      Cmd::EditorOptions,    Cmd::Options}},
    {"&View",
     {Cmd::ViewToolBar, Cmd::ToggleDebugBar, Cmd::ToggleBrowserBar, Cmd::ViewStatusBar,
      CMenuDef::Separator, Cmd::ToggleOutput, Cmd::FloatDockOutput, Cmd::FloatDockProject,
      Cmd::PaneSide, Cmd::ToggleDebugWindow, CMenuDef::Separator, Cmd::ProjectSpace,
      Cmd::ProjectTab, Cmd::ProjectViewMode, Cmd::OutputWindow, Cmd::HelpWindow, Cmd::DebugWindow,
      Cmd::SearchResults}},
    {"&Project",
     {Cmd::ProjectNew, Cmd::ProjectOpen, Cmd::ProjectClose, Cmd::ProjectSave, CMenuDef::Separator,
      Cmd::AddFile, Cmd::AddFileToProject, Cmd::DefaultHtml, CMenuDef::Separator,
      Cmd::CompileOptions, Cmd::RunOptions, Cmd::JavadocOptions, CMenuDef::Separator, Cmd::ParseAll,
      CMenuDef::Separator, Cmd::MakeJar, Cmd::AddManifest, Cmd::MakeBean, Cmd::Rmic}},
    {"&Build", {Cmd::CompileFile,    Cmd::CompileMain,    Cmd::RebuildAll,
                Cmd::RebuildDirty,   Cmd::CompileAllJava, Cmd::StopBuild,
                CMenuDef::Separator, Cmd::RunApplication, Cmd::Run,
                Cmd::RunOrStopRun,   Cmd::StopRun,        CMenuDef::Separator,
                Cmd::FindNextError,  Cmd::FindPrevError,  CMenuDef::Separator,
                Cmd::JavadocFile,    Cmd::JavadocAll,     Cmd::JavadocFolder,
                CMenuDef::Separator, Cmd::ToggleCompiler}},
    {"&Debug",
     {Cmd::DebugStartCont, Cmd::JdbDebug, Cmd::DebugExit, CMenuDef::Separator, Cmd::DebugContinue,
      Cmd::DebugStep, Cmd::DebugStepOver, Cmd::DebugStepUp, Cmd::RunToCursor, CMenuDef::Separator,
      Cmd::ToggleBreakpoint, Cmd::DebugBreakpoints}},
    {"&Tools",
     {Cmd::CustomCommand, CMenuDef::Separator, Cmd::PackageAddUpdate, Cmd::PackageFindClass,
      Cmd::PackageFindInterface, Cmd::LocateInPackages, Cmd::BaseClassOverrides, Cmd::AddBean,
      Cmd::HelpAddItem, CMenuDef::Separator, Cmd::SetupDirectories, Cmd::BrowserOptions}},
    {"&Window",
     {Cmd::NextWindow, Cmd::WindowCascade, Cmd::WindowTileHorz, Cmd::SelectOtherViews,
      CMenuDef::Separator, Cmd::CloseAll, Cmd::WindowsList, CMenuDef::Separator,
      CMenuDef::WindowList}},
    {"&Help",
     {Cmd::HelpIndex, Cmd::HelpSearch, Cmd::HelpHistory, Cmd::HelpLoadUrl, Cmd::HelpMainMenu,
      CMenuDef::Separator, Cmd::UserIndex, Cmd::MavuHelpIndex, CMenuDef::Separator,
      Cmd::KeyboardShortcuts, Cmd::TipOfTheDay, Cmd::BetaNotes, Cmd::WhatsNew, Cmd::HomePage,
      Cmd::Support, CMenuDef::Separator, Cmd::ContextHelp, Cmd::AppAbout}},
};

const QList<int> kMainBar = {Cmd::FileNew,
                             Cmd::FileOpen,
                             Cmd::FileSave,
                             Cmd::SaveAll,
                             0,
                             Cmd::EditCut,
                             Cmd::EditCopy,
                             Cmd::EditPaste,
                             Cmd::EditUndo,
                             Cmd::EditRedo,
                             0,
                             Cmd::EditFind,
                             Cmd::FindInFiles,
                             0,
                             Cmd::ProjectNew,
                             Cmd::ProjectOpen,
                             Cmd::ProjectSpace,
                             Cmd::ToggleOutput,
                             0,
                             Cmd::CompileFile,
                             Cmd::RebuildAll,
                             Cmd::StopBuild,
                             Cmd::Run,
                             Cmd::StopRun,
                             0,
                             Cmd::ContextHelp};

const QList<int> kDebugBar = {Cmd::DebugStartCont,
                              Cmd::DebugContinue,
                              Cmd::DebugStep,
                              Cmd::DebugStepOver,
                              Cmd::DebugStepUp,
                              Cmd::RunToCursor,
                              0,
                              Cmd::ToggleBreakpoint,
                              Cmd::DebugBreakpoints,
                              Cmd::DebugExit};

const QList<int> kBrowserBar = {
    Cmd::HelpPrevious, Cmd::HelpNext,   Cmd::HelpStopLoading, Cmd::HelpRefresh, 0,
    Cmd::HelpIndex,    Cmd::HelpSearch, Cmd::HelpHistory,     Cmd::HelpLoadUrl};

} // namespace

namespace CommandTable {

const QList<CCommandDef> &Commands()
{
    return kCommands;
}

const CCommandDef *Find(int id)
{
    for (const CCommandDef &def : kCommands) {
        if (def.id == id)
            return &def;
    }
    return nullptr;
}

const QList<CMenuDef> &Menus()
{
    return kMenus;
}

const QList<int> &MainBar()
{
    return kMainBar;
}

const QList<int> &DebugBar()
{
    return kDebugBar;
}

const QList<int> &BrowserBar()
{
    return kBrowserBar;
}

QList<QKeySequence> Shortcuts(const CCommandDef &def)
{
    QList<QKeySequence> keys;
    if (def.standardKey != QKeySequence::UnknownKey)
        keys += QKeySequence::keyBindings(def.standardKey);
    if (def.keys) {
        for (const QString &k : QString::fromLatin1(def.keys).split(QStringLiteral(", "))) {
            const QKeySequence seq(k, QKeySequence::PortableText);
            if (!keys.contains(seq))
                keys << seq;
        }
    }
    return keys;
}

} // namespace CommandTable
