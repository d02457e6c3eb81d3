#include "core/IDEOptions.h"

#include "core/SettingsExchange.h"
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

void CIDEOptions::LoadSettings(const CSettingsStore &store)
{
    CSettingsExchange::LoadRecord(*this, store);
}

void CIDEOptions::SaveSettings(CSettingsStore &store) const
{
    CSettingsExchange::SaveRecord(*this, store);
}

CSettingsExchange::KeyList CIDEOptions::Keys()
{
    return CSettingsExchange::RecordKeys<CIDEOptions>();
}

void CIDEOptions::Exchange(CSettingsExchange &x)
{
    // Every key once, in the order the file shows them. A key given no
    // default keeps what the record holds when the file lacks it; the others
    // fall back to a fresh record's value.
    static const CIDEOptions d;
    auto num = [&x](const QString &section, const char *key, int &value, const int *def) {
        if (def)
            x.Int(section, QLatin1String(key), value, *def);
        else
            x.Int(section, QLatin1String(key), value);
    };

    x.String(kFonts, QStringLiteral("Face"), m_fontFace);
    num(kFonts, "Height", m_fontHeight, nullptr);

    num(kEditor, "Tabsize", m_tabSize, nullptr);
    num(kEditor, "TabSpaces", m_tabSpaces, nullptr);
    num(kEditor, "MenuItems", m_menuItems, nullptr);
    num(kEditor, "AutoExpand", m_autoExpand, &d.m_autoExpand);
    num(kEditor, "MenuTooltip", m_menuTooltip, &d.m_menuTooltip);
    num(kEditor, "MRULength", m_mruLength, nullptr);
    num(kEditor, "Beep", m_beep, nullptr);
    num(kEditor, "Tip", m_tip, &d.m_tip);
    num(kEditor, "SmartIndent", m_smartIndent, &d.m_smartIndent);
    num(kEditor, "ParseOnSave", m_parseOnSave, &d.m_parseOnSave);
    num(kEditor, "ParseAllFiles", m_parseAllFiles, &d.m_parseAllFiles);
    num(kEditor, "CloseProjectFiles", m_closeProjectFiles, &d.m_closeProjectFiles);
    num(kEditor, "CheckDirtyFiles", m_checkDirtyFiles, &d.m_checkDirtyFiles);
    num(kEditor, "RestoreWindows", m_restoreWindows, &d.m_restoreWindows);
    num(kEditor, "UndoBufferSize", m_undoBufferSize, &d.m_undoBufferSize);
    // The project tree's display mode is saved at exit but deliberately not
    // restored: the tree always starts in its plain mode.
    if (x.IsLoading())
        m_projectView = 0;
    else
        num(kEditor, "ProjectView", m_projectView, nullptr);

    num(kOutput, "WordWrap", m_wordWrap, nullptr);

    num(kHelp, "Warning", m_helpWarning, nullptr);
    num(kHelp, "ForeColor", m_helpForeColor, &d.m_helpForeColor);
    num(kHelp, "BackColor", m_helpBackColor, &d.m_helpBackColor);
    num(kHelp, "LinkColor", m_helpLinkColor, &d.m_helpLinkColor);
    num(kHelp, "Autoload", m_helpAutoload, &d.m_helpAutoload);
    x.String(kHelp, QStringLiteral("FontHeading"), m_helpFontHeading, d.m_helpFontHeading);
    x.String(kHelp, QStringLiteral("FontFixed"), m_helpFontFixed, d.m_helpFontFixed);
    x.String(kHelp, QStringLiteral("FontNormal"), m_helpFontNormal, d.m_helpFontNormal);
    for (int i = 0; i < 6; ++i)
        x.Int(kHelp, HeaderKey(i), m_helpHeader[i], d.m_helpHeader[i]);
    num(kHelp, "DefaultSize", m_helpDefaultSize, &d.m_helpDefaultSize);

    num(kEdit, "BackColor", m_editBackColor, &d.m_editBackColor);

    num(kJar, "IncludeManifest", m_jarIncludeManifest, &d.m_jarIncludeManifest);
    num(kJar, "NoCompression", m_jarNoCompression, &d.m_jarNoCompression);
    num(kJar, "NoManifestEntries", m_jarNoManifestEntries, &d.m_jarNoManifestEntries);
    num(kJar, "SpecifyArchive", m_jarSpecifyArchive, &d.m_jarSpecifyArchive);
    num(kJar, "Verbose", m_jarVerbose, &d.m_jarVerbose);
    num(kJar, "Custom", m_jarCustom, &d.m_jarCustom);
    x.String(kJar, QStringLiteral("ManifestFile"), m_jarManifestFile, d.m_jarManifestFile);
    x.String(kJar, QStringLiteral("OutputFile"), m_jarOutputFile, d.m_jarOutputFile);
    x.String(kJar, QStringLiteral("CustomOptions"), m_jarCustomOptions, d.m_jarCustomOptions);

    for (int i = 0; i < RmicFlagCount; ++i)
        num(kRmic, kRmicFlagKeys[i], m_rmic[i], &d.m_rmic[i]);
    x.String(kRimc, QStringLiteral("CustomOptions"), m_rmicCustomOptions, d.m_rmicCustomOptions);
    x.String(kRimc, QStringLiteral("OutputDirPath"), m_rmicOutputDirPath, d.m_rmicOutputDirPath);
    x.String(kRimc, QStringLiteral("SkelDirPath"), m_rmicSkelDirPath, d.m_rmicSkelDirPath);
    x.String(kRimc, QStringLiteral("StubDirPath"), m_rmicStubDirPath, d.m_rmicStubDirPath);
}

int CIDEOptions::TabSize() const
{
    return qBound(kMinTabSize, m_tabSize, kMaxTabSize);
}

int CIDEOptions::UndoBufferSize() const
{
    return qBound(kMinUndoBufferSize, m_undoBufferSize, kMaxUndoBufferSize);
}

int CIDEOptions::FontPixelHeight() const
{
    // Bounded before the sign goes: the most negative int has no positive.
    const int height = qBound(-kMaxFontHeight, m_fontHeight, kMaxFontHeight);
    return qMax(1, height < 0 ? -height : height);
}
