#include "project/ProjectFramePlacement.h"

#include "core/SettingsExchange.h"
#include "core/SettingsStore.h"

namespace {
const QString kSection = QStringLiteral("ProjWnd");
}

void CProjectFramePlacement::Load(const CSettingsStore &store)
{
    CSettingsExchange::LoadRecord(*this, store);
}

void CProjectFramePlacement::Exchange(CSettingsExchange &x)
{
    x.Int(kSection, QStringLiteral("OrigX"), m_nOrigX, 0);
    x.Int(kSection, QStringLiteral("OrigY"), m_nOrigY, 0);
    x.Int(kSection, QStringLiteral("Width"), m_nWidth, 0);
    x.Int(kSection, QStringLiteral("Height"), m_nHeight, 0);
    x.Int(kSection, QStringLiteral("Maximize"), m_nMaximize, 0);
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
    CSettingsExchange exchange(store);
    Exchange(exchange);
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
