#pragma once

// Command ids. A command keeps its number wherever it appears (menu,
// toolbar, shortcut, context menu), and a window that handles it answers to
// that number, so the numbers are stable and shared by every subsystem.
namespace Cmd {
enum : int {
    // File (the framework's standard numbers)
    FileNew = 57600,
    FileOpen = 57601,
    FileClose = 57602,
    FileSave = 57603,
    FileSaveAs = 57604,
    FilePrintSetup = 57606,
    FilePrint = 57607,
    FilePrintDirect = 57608,
    FilePrintPreview = 57609,
    FileMruFirst = 57616, // the recent files take consecutive ids from here
    FileMruLast = 57631,
    AppExit = 57665,

    // Edit
    EditClear = 57632,
    EditCopy = 57634,
    EditCut = 57635,
    EditFind = 57636,
    EditPaste = 57637,
    EditRepeat = 57640, // Find Next
    EditReplace = 57641,
    EditSelectAll = 57642,
    EditUndo = 57643,
    EditRedo = 57644,
    EditFindPrevious = 33085,
    EditGotoLine = 32887,

    // Window
    WindowArrange = 57649,
    WindowCascade = 57650,
    WindowTileHorz = 57651,
    WindowTileVert = 57652,

    // Bars
    ViewToolBar = 59392,
    ViewStatusBar = 59393,

    // Help
    AppAbout = 57664,
    ContextHelp = 57670,
    TipOfTheDay = 111,

    // Application commands
    ProjectNew = 32801,
    ProjectOpen = 32784,
    ProjectClose = 32785,
    ProjectSave = 32877,
    AddFile = 32802,
    DefaultHtml = 32882,
    SetFont = 32820,
    EditorOptions = 32844,
    Options = 33081,
    BrowserOptions = 32949,
    SetupDirectories = 32835,
    CompileOptions = 32834,
    RunOptions = 32838,
    JavadocOptions = 32939,
    ToggleCompiler = 32974,
    RebuildAll = 32809,
    RebuildDirty = 33050,
    CompileAllJava = 32955,
    StopBuild = 32800,
    Run = 32873,
    RunOrStopRun = 32978,
    StopRun = 32842,
    MakeJar = 33027,
    Rmic = 33028,
    AddManifest = 33025,
    MakeBean = 33026,
    DebugStartCont = 32843,
    JdbDebug = 33079,
    DebugExit = 32846,
    DebugContinue = 32851,
    DebugStep = 32850,
    DebugStepOver = 32889,
    DebugStepUp = 33032,
    DebugBreakpoints = 32857,
    ParseAll = 32967,
    FindInFiles = 32959,
    PackageAddUpdate = 32894,
    PackageFindClass = 32896,
    PackageFindInterface = 32897,
    AddBean = 32954,
    HelpAddItem = 32781,
    CustomCommand = 33029,
    HelpSearch = 32913,
    HelpHistory = 32971,
    HelpLoadUrl = 33040,
    UserIndex = 33021,
    MavuHelpIndex = 33086,
    HelpMainMenu = 32866,
    KeyboardShortcuts = 33030,
    HelpIndex = 33059,
    BetaNotes = 33058,
    WhatsNew = 33087,
    HomePage = 32836,
    Support = 32826,

    // Main frame commands
    ToggleOutput = 32771,
    FloatDockOutput = 33064,
    FloatDockProject = 32961,
    PaneSide = 33066,
    ToggleDebugBar = 32845,
    ToggleBrowserBar = 32921,
    ToggleDebugWindow = 32906,
    HelpWindow = 32929,
    OutputWindow = 32930,
    DebugWindow = 32931,
    ProjectSpace = 32932,
    SearchResults = 32960,
    NextWindow = 32962,
    ProjectTab = 32963,
    WindowsList = 32975,
    CloseAll = 32988,
    SaveAll = 32935,
    CompileMain = 32937,
    FindNextError = 32933,
    FindPrevError = 32934,
    JavadocAll = 32969,
    JavadocFolder = 33015,
    ColorOptions = 32870,

    // Output windows
    ToggleWordWrap = 33088,
    StopProcess = 33075, // Stop this process (an output tab)
    KillProcess = 33031, // Kill this process (a command's own window)

    // Commands of the source editor and the help viewer that the menus and
    // bars carry; the window that handles them enables them.
    CompileFile = 32773,
    RunApplication = 33069,
    JavadocFile = 32938,
    ToggleBookmark = 32965,
    NextBookmark = 32966,
    ToggleBreakpoint = 32848,
    RunToCursor = 33062,
    PreviousBookmark = 33089,
    LocateInPackages = 32907, // the word at the caret in the package view
    FindWordAtCursor = 32908,
    AddFileToProject = 32968, // the active editor's file
    SelectOtherViews = 32970,
    BrowseFile = 33051, // an HTML file in the HTML viewer
    BaseClassOverrides = 33074,
    HelpNext = 32917,
    HelpPrevious = 32918,
    HelpRefresh = 32950,
    HelpStopLoading = 33041,

    // The project pane's commands on the selected node. Add File, the three
    // option sheets of a project and the main menu share their numbers.
    ProjectRemoveFile = 32808,
    ProjectMainClass = 32815,
    ProjectMainHtml = 32831,
    ProjectBrowse = 32879,
    ProjectCompile = 32881,
    ProjectParse = 32888,
    ProjectSortLabel = 32953, // the sort-mode label
    ProjectNodeOpen = 32980,
    ProjectNodeClose = 32981,
    ProjectNodeDelete = 32982, // a project, from the workspace
    ProjectAddFolder = 32983,
    ProjectDeleteFolder = 32984,
    ProjectAddFileCtx = 32985, // Add File... of the context menu
    ProjectRename = 32986,
    ProjectAddProject = 32987,
    ResourceFirst = 32992, // the GUI-builder resource commands
    ResourceLast = 33009,
    RootRunOptions = 33012,
    RootCompileOptions = 33013,
    RootJavadocOptions = 33014,
    ProjectAlphaOrder = 33018,
    ProjectFileInfo = 33037,
    ProjectRebuildFolder = 33038,
    ProjectCompileFolder = 33039,
    ProjectUpdateImages = 33048,
    ProjectFindInFiles = 33052,
    ProjectViewMode = 33068, // File View / Class View
    ProjectAddDirectory = 33071,
    ProjectImport = 33072,
    ProjectClasspath = 33077,

    // The class view's element commands (a dynamic range of their own) and
    // the source editor's Go to Declaration.
    ClassViewOpen = 48001,
    GoToDeclaration = 48002,
    // The user's own commands take ids from these ranges each time a menu
    // that offers them is built.
    UserCommandFirst = 49401, // the Tools menu
    UserCommandLast = 49499,
    UserProjectCommandFirst = 49510, // the project item's context menu
    UserProjectCommandLast = 49519,
    UserFileCommandFirst = 49520, // the file item's and the editor's context menus
    UserFileCommandLast = 49529,
};
} // namespace Cmd
