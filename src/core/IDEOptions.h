#pragma once

#include "core/SettingsExchange.h"

#include <QString>

class CSettingsStore;

// The general options: editor, output, help viewer, jar and rmic settings.
// Integer flags are 0 or 1; colours are 0x00BBGGRR values.
class CIDEOptions
{
public:
    // Colours of the light desktop palette the colour defaults stand for
    // (0x00BBGGRR): black window text, white window, and a blue highlight
    // (red 0, green 120, blue 215).
    static constexpr int kWindowTextColor = 0x00000000;
    static constexpr int kWindowColor = 0x00FFFFFF;
    static constexpr int kHighlightColor = 0x00D77800;

    // Reads every key; keys that are absent take their defaults (for the
    // fonts, the tab size and a few more, the value already in the record).
    // "Editor"/"ProjectView" is never read: every start begins with mode 0.
    void LoadSettings(const CSettingsStore &store);
    // Writes every key, in the order of the table the file is read by.
    void SaveSettings(CSettingsStore &store) const;
    // Every key as {section, key}, in the order the file shows them.
    static CSettingsExchange::KeyList Keys();
    // The one list of keys that loading, saving and Keys() run through.
    void Exchange(CSettingsExchange &exchange);

    bool operator==(const CIDEOptions &) const = default;

    // The values as they may be used: what the settings file holds is
    // anything a hand or a damaged disk wrote, and is brought into the
    // ranges the editor options dialog allows.
    static constexpr int kMinTabSize = 2, kMaxTabSize = 20;
    static constexpr int kMinUndoBufferSize = 1, kMaxUndoBufferSize = 250;
    static constexpr int kMaxFontHeight = 500; // pixels
    int TabSize() const;
    int UndoBufferSize() const;
    // The character height in pixels, positive, whatever sign was stored.
    int FontPixelHeight() const;

    // "Fonts"
    QString m_fontFace = QStringLiteral("courier");
    int m_fontHeight = -13; // logical units, negative = character height

    // "Editor"
    int m_tabSize = 8;
    int m_tabSpaces = 0;
    int m_menuItems = 20;
    int m_mruLength = 8;
    int m_autoExpand = 1;
    int m_menuTooltip = 1;
    int m_beep = 0;
    int m_tip = 1;
    int m_smartIndent = 1;
    int m_parseOnSave = 1;
    int m_parseAllFiles = 0;
    int m_restoreWindows = 0;
    int m_closeProjectFiles = 0;
    int m_checkDirtyFiles = 0;
    int m_undoBufferSize = 100;
    int m_projectView = 0;

    // "Output"
    int m_wordWrap = 0;

    // "Help"
    int m_helpWarning = 0; // 1 = do not warn about an unset documentation directory
    int m_helpForeColor = kWindowTextColor;
    int m_helpBackColor = kWindowColor;
    int m_helpLinkColor = kHighlightColor;
    int m_helpAutoload = 1;
    QString m_helpFontHeading = QStringLiteral("Times New Roman");
    QString m_helpFontFixed = QStringLiteral("Courier New");
    QString m_helpFontNormal = QStringLiteral("Times New Roman");
    int m_helpHeader[6] = {32, 24, 18, 14, 11, 10};
    int m_helpDefaultSize = 9;

    // "Edit"
    int m_editBackColor = kWindowColor;

    // "Jar"
    int m_jarIncludeManifest = 0;
    int m_jarNoCompression = 0;
    int m_jarNoManifestEntries = 0;
    int m_jarSpecifyArchive = 0;
    int m_jarVerbose = 0;
    int m_jarCustom = 0;
    QString m_jarManifestFile = QStringLiteral("");
    QString m_jarOutputFile = QStringLiteral("");
    QString m_jarCustomOptions = QStringLiteral("");

    // "RMIC" flags, in the order of kRmicFlagKeys.
    enum RmicFlag {
        RmicClassPath,
        RmicCustom,
        RmicDebug,
        RmicDebugTables,
        RmicDepend,
        RmicOutputDir,
        RmicKeepGenerated,
        RmicNoWarn,
        RmicNoWrite,
        RmicOptimize,
        RmicShow,
        RmicSkelDir,
        RmicStubDir,
        RmicVerbose,
        RmicFlagCount
    };
    int m_rmic[RmicFlagCount] = {};
    static const char *const kRmicFlagKeys[RmicFlagCount];

    // The rmic strings live in section "RIMC" (sic): profiles written by
    // earlier versions keep them there, so reading and writing both use it.
    QString m_rmicCustomOptions = QStringLiteral("");
    QString m_rmicOutputDirPath = QStringLiteral("");
    QString m_rmicSkelDirPath = QStringLiteral("");
    QString m_rmicStubDirPath = QStringLiteral("");
};
