#include "core/IDEOptions.h"

#include "core/SettingsStore.h"

const char *const CIDEOptions::kRmicFlagKeys[RmicFlagCount] = {
    "ClassPath", "Custom",  "Debug",    "DebugTables", "Depend",  "OutputDir", "KeepGenerated",
    "NoWarn",    "NoWrite", "Optimize", "Show",        "SkelDir", "StubDir",   "Verbose"};

namespace {

const QString kFonts = QStringLiteral("Fonts");
const QString kEditor = QStringLiteral("Editor");
const QString kOutput = QStringLiteral("Output");
const QString kHelp = QStringLiteral("Help");
const QString kEdit = QStringLiteral("Edit");
const QString kJar = QStringLiteral("Jar");
const QString kRmic = QStringLiteral("RMIC");
const QString kRimc = QStringLiteral("RIMC");

QString HeaderKey(int level)
{
    return QStringLiteral("Header%1").arg(level + 1);
}

} // namespace

void CIDEOptions::LoadSettings(const CSettingsStore &s)
{
    auto str = [&s](const QString &sec, const char *key, const QString &def) {
        return s.GetProfileString(sec, QLatin1String(key), def);
    };
    auto num = [&s](const QString &sec, const char *key, int def) {
        return s.GetProfileInt(sec, QLatin1String(key), def);
    };

    m_fontFace = str(kFonts, "Face", m_fontFace);
    m_fontHeight = num(kFonts, "Height", m_fontHeight);
    m_tabSize = num(kEditor, "Tabsize", m_tabSize);
    m_tabSpaces = num(kEditor, "TabSpaces", m_tabSpaces);
    m_menuItems = num(kEditor, "MenuItems", m_menuItems);
    m_mruLength = num(kEditor, "MRULength", m_mruLength);
    m_autoExpand = num(kEditor, "AutoExpand", 1);
    m_menuTooltip = num(kEditor, "MenuTooltip", 1);
    m_helpWarning = num(kHelp, "Warning", m_helpWarning);
    m_beep = num(kEditor, "Beep", m_beep);
    m_tip = num(kEditor, "Tip", 1);
    m_smartIndent = num(kEditor, "SmartIndent", 1);
    m_parseOnSave = num(kEditor, "ParseOnSave", 1);
    m_parseAllFiles = num(kEditor, "ParseAllFiles", 0);
    m_restoreWindows = num(kEditor, "RestoreWindows", 0);
    m_closeProjectFiles = num(kEditor, "CloseProjectFiles", 0);
    m_wordWrap = num(kOutput, "WordWrap", m_wordWrap);
    m_checkDirtyFiles = num(kEditor, "CheckDirtyFiles", 0);
    m_helpForeColor = num(kHelp, "ForeColor", kWindowTextColor);
    m_helpBackColor = num(kHelp, "BackColor", kWindowColor);
    m_helpLinkColor = num(kHelp, "LinkColor", kHighlightColor);
    m_helpAutoload = num(kHelp, "Autoload", 1);
    m_helpFontHeading = str(kHelp, "FontHeading", QStringLiteral("Times New Roman"));
    m_helpFontFixed = str(kHelp, "FontFixed", QStringLiteral("Courier New"));
    m_helpFontNormal = str(kHelp, "FontNormal", QStringLiteral("Times New Roman"));
    static const int headerDefaults[6] = {32, 24, 18, 14, 11, 10};
    for (int i = 0; i < 6; ++i)
        m_helpHeader[i] = s.GetProfileInt(kHelp, HeaderKey(i), headerDefaults[i]);
    m_helpDefaultSize = num(kHelp, "DefaultSize", 9);
    m_editBackColor = num(kEdit, "BackColor", kWindowColor);
    m_undoBufferSize = num(kEditor, "UndoBufferSize", 100);
    // The project tree's display mode is saved at exit but deliberately not
    // restored: the tree always starts in its plain mode.
    m_projectView = 0;

    m_jarIncludeManifest = num(kJar, "IncludeManifest", 0);
    m_jarNoCompression = num(kJar, "NoCompression", 0);
    m_jarNoManifestEntries = num(kJar, "NoManifestEntries", 0);
    m_jarSpecifyArchive = num(kJar, "SpecifyArchive", 0);
    m_jarVerbose = num(kJar, "Verbose", 0);
    m_jarCustom = num(kJar, "Custom", 0);
    m_jarManifestFile = str(kJar, "ManifestFile", QStringLiteral(""));
    m_jarOutputFile = str(kJar, "OutputFile", QStringLiteral(""));
    m_jarCustomOptions = str(kJar, "CustomOptions", QStringLiteral(""));

    for (int i = 0; i < RmicFlagCount; ++i)
        m_rmic[i] = num(kRmic, kRmicFlagKeys[i], 0);
    m_rmicCustomOptions = str(kRimc, "CustomOptions", QStringLiteral(""));
    m_rmicOutputDirPath = str(kRimc, "OutputDirPath", QStringLiteral(""));
    m_rmicSkelDirPath = str(kRimc, "SkelDirPath", QStringLiteral(""));
    m_rmicStubDirPath = str(kRimc, "StubDirPath", QStringLiteral(""));
}

void CIDEOptions::SaveSettings(CSettingsStore &s) const
{
    // A null string would delete the key; the options always keep theirs.
    auto str = [&s](const QString &sec, const char *key, const QString &v) {
        s.WriteProfileString(sec, QLatin1String(key), v.isNull() ? QStringLiteral("") : v);
    };
    auto num = [&s](const QString &sec, const char *key, int v) {
        s.WriteProfileInt(sec, QLatin1String(key), v);
    };

    str(kFonts, "Face", m_fontFace);
    num(kFonts, "Height", m_fontHeight);

    num(kEditor, "Tabsize", m_tabSize);
    num(kEditor, "TabSpaces", m_tabSpaces);
    num(kEditor, "MenuItems", m_menuItems);
    num(kEditor, "AutoExpand", m_autoExpand);
    num(kEditor, "MenuTooltip", m_menuTooltip);
    num(kEditor, "MRULength", m_mruLength);
    num(kEditor, "Beep", m_beep);
    num(kEditor, "Tip", m_tip);
    num(kEditor, "SmartIndent", m_smartIndent);
    num(kEditor, "ParseOnSave", m_parseOnSave);
    num(kEditor, "ParseAllFiles", m_parseAllFiles);
    num(kEditor, "CloseProjectFiles", m_closeProjectFiles);
    num(kEditor, "CheckDirtyFiles", m_checkDirtyFiles);
    num(kEditor, "RestoreWindows", m_restoreWindows);
    num(kEditor, "UndoBufferSize", m_undoBufferSize);
    num(kEditor, "ProjectView", m_projectView);

    num(kOutput, "WordWrap", m_wordWrap);

    num(kHelp, "Warning", m_helpWarning);
    num(kHelp, "ForeColor", m_helpForeColor);
    num(kHelp, "BackColor", m_helpBackColor);
    num(kHelp, "LinkColor", m_helpLinkColor);
    num(kHelp, "Autoload", m_helpAutoload);
    str(kHelp, "FontHeading", m_helpFontHeading);
    str(kHelp, "FontFixed", m_helpFontFixed);
    str(kHelp, "FontNormal", m_helpFontNormal);
    for (int i = 0; i < 6; ++i)
        s.WriteProfileInt(kHelp, HeaderKey(i), m_helpHeader[i]);
    num(kHelp, "DefaultSize", m_helpDefaultSize);

    num(kEdit, "BackColor", m_editBackColor);

    num(kJar, "IncludeManifest", m_jarIncludeManifest);
    num(kJar, "NoCompression", m_jarNoCompression);
    num(kJar, "NoManifestEntries", m_jarNoManifestEntries);
    num(kJar, "SpecifyArchive", m_jarSpecifyArchive);
    num(kJar, "Verbose", m_jarVerbose);
    num(kJar, "Custom", m_jarCustom);
    str(kJar, "ManifestFile", m_jarManifestFile);
    str(kJar, "OutputFile", m_jarOutputFile);
    str(kJar, "CustomOptions", m_jarCustomOptions);

    for (int i = 0; i < RmicFlagCount; ++i)
        num(kRmic, kRmicFlagKeys[i], m_rmic[i]);
    str(kRimc, "CustomOptions", m_rmicCustomOptions);
    str(kRimc, "OutputDirPath", m_rmicOutputDirPath);
    str(kRimc, "SkelDirPath", m_rmicSkelDirPath);
    str(kRimc, "StubDirPath", m_rmicStubDirPath);
}
