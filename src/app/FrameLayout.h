#pragma once

#include <QRect>
#include <QString>

class CSettingsExchange;
class CSettingsStore;

// One toolbar's place: sections "ToolBar", "DebugBar", "BrowserBar".
struct CBarLayout
{
    // The dock sides as the settings file numbers them.
    enum DockSide { DockTop = 59419, DockLeft = 59420, DockRight = 59421, DockBottom = 59422 };
    // The value "Display" is written with for a shown bar; any non-zero
    // value read back shows it.
    static constexpr int kVisibleStyle = 268435456;

    bool m_display = true;
    bool m_float = false;
    int m_dock = DockTop;
    QRect m_rect; // screen coordinates; "left", "top", "right", "bottom"

    void Load(const CSettingsStore &store, const QString &section);
    void Save(CSettingsStore &store, const QString &section) const;
    // The one list of the bar's keys that loading and saving run through.
    void Exchange(CSettingsExchange &exchange, const QString &section);
    void ClampToScreen(const QRect &available);
    bool operator==(const CBarLayout &) const = default;
};

// The main window's arrangement as the settings file keeps it: section
// "Windows" for the window, its splitters and panes, and one section per bar.
// Loading applies the defaults and repairs impossible values; saving writes
// every key, so that a file always shows the whole arrangement.
struct CFrameLayout
{
    int m_mainOrigX = 0;
    int m_mainOrigY = 0;
    int m_mainSizeX = 640;
    int m_mainSizeY = 480;
    int m_split1Y1 = 640;      // height of the editor row
    int m_split1Y2 = 0;        // height of the output row
    int m_split2X1 = 175;      // project pane width; negative: a third of the client
    int m_split2X2 = 0;        // editor width; 0: two thirds of the client
    bool m_output = false;     // output window shown
    bool m_project = true;     // project pane docked beside the editors
    bool m_dockOutput = true;  // output window docked below (else floating)
    int m_projectPane = 0;     // column of the project pane (0 left, 1 right)
    int m_editorPane = 1;      // column of the editor area
    double m_debugRatio = 0.0; // the debugger window's split
    bool m_statusBar = true;
    CBarLayout m_toolBar, m_debugBar, m_browserBar;

    void Load(const CSettingsStore &store);
    void Save(CSettingsStore &store) const;
    // The one list of keys that loading and saving run through.
    void Exchange(CSettingsExchange &exchange);
    // Brings the stored window, its splitter rows and columns and the
    // floating bars inside available (the screen less its panels): a file
    // from a larger screen, or a damaged one, must not make a window
    // larger than the screen or place it where nobody can reach it.
    void ClampToScreen(const QRect &available);
    // The very first start, when store holds no window rectangle: a window
    // of 640x480 in the corner looks broken on today's screens. The window
    // takes about two thirds of available, centred, and the output window
    // is shown unless store says otherwise. A stored rectangle is left as
    // it is.
    void PlaceFirstStart(const CSettingsStore &store, const QRect &available);

    // The pane columns must be 0 and 1 in some order; anything else (out of
    // range, or both the same) is replaced by the project pane on the left.
    void RepairPanes();
    void SwapPanes();

    // The widths of the project column and the editor column for a client
    // area clientWidth wide, with the rules for unset widths applied.
    int ProjectWidth(int clientWidth) const;
    int EditorWidth(int clientWidth) const;

    bool operator==(const CFrameLayout &) const = default;
};

// A number in the three parts _ecvt gives it: ndigits significant digits
// (rounded), the position of the decimal point relative to the first digit,
// and the sign (1 for negative).
struct CEcvtNumber
{
    QString m_digits;
    int m_decimal = 0;
    int m_sign = 0;

    static CEcvtNumber FromDouble(double value, int ndigits = 10);
    // The value again: a negative decimal position stands for zeros between
    // the point and the digits. Digit strings that are not digits read as
    // far as they make a number, like atof; nothing readable gives 0.
    double ToDouble() const;
};
