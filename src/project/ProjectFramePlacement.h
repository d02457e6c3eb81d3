#pragma once

class CSettingsExchange;
class CSettingsStore;

// Where the project pane's own MDI child window goes, kept in section
// "ProjWnd". The window asks before it is created and reports when it is
// destroyed; the geometry is in the MDI client's coordinates.
struct CProjectFramePlacement
{
    int m_nMaximize = 0;
    int m_nOrigX = 0;
    int m_nOrigY = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;

    void Load(const CSettingsStore &store);
    // The one list of keys that loading and saving run through.
    void Exchange(CSettingsExchange &exchange);
    // A minimised window leaves the stored placement alone.
    void Save(CSettingsStore &store, int x, int y, int width, int height, bool maximized,
              bool minimized);
    // Whether to create the window at the stored place and size; otherwise
    // the default placement is used.
    // Brings the stored geometry inside an area of that size: a damaged
    // file must not make a window larger than the area or out of its reach.
    void ClampTo(int width, int height);
    bool HasStoredGeometry() const { return m_nMaximize == 0 && m_nWidth != 0 && m_nHeight != 0; }
};
