#include "project/ProjectFramePlacement.h"

#include "core/SettingsStore.h"

namespace {
const QString kSection = QStringLiteral("ProjWnd");
}

void CProjectFramePlacement::Load(const CSettingsStore &store)
{
    m_nMaximize = store.GetProfileInt(kSection, QStringLiteral("Maximize"), 0);
    m_nOrigX = store.GetProfileInt(kSection, QStringLiteral("OrigX"), 0);
    m_nOrigY = store.GetProfileInt(kSection, QStringLiteral("OrigY"), 0);
    m_nWidth = store.GetProfileInt(kSection, QStringLiteral("Width"), 0);
    m_nHeight = store.GetProfileInt(kSection, QStringLiteral("Height"), 0);
}

void CProjectFramePlacement::Save(CSettingsStore &store, int x, int y, int width, int height,
                                  bool maximized, bool minimized)
{
    if (minimized)
        return;
    m_nOrigX = x;
    m_nOrigY = y;
    m_nWidth = width;
    m_nHeight = height;
    m_nMaximize = maximized ? 1 : 0;
    store.WriteProfileInt(kSection, QStringLiteral("OrigX"), m_nOrigX);
    store.WriteProfileInt(kSection, QStringLiteral("OrigY"), m_nOrigY);
    store.WriteProfileInt(kSection, QStringLiteral("Width"), m_nWidth);
    store.WriteProfileInt(kSection, QStringLiteral("Height"), m_nHeight);
    store.WriteProfileInt(kSection, QStringLiteral("Maximize"), m_nMaximize);
}

void CProjectFramePlacement::ClampTo(int width, int height)
{
    width = qMax(width, 1);
    height = qMax(height, 1);
    m_nWidth = qBound(0, m_nWidth, width);
    m_nHeight = qBound(0, m_nHeight, height);
    m_nOrigX = qBound(0, m_nOrigX, width - qMax(m_nWidth, 1));
    m_nOrigY = qBound(0, m_nOrigY, height - qMax(m_nHeight, 1));
}
