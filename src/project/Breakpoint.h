#pragma once

#include <QList>
#include <QString>

// A breakpoint as the project keeps it between debugging sessions.
struct CBreakpoint
{
    QString m_strClassName;
    quint16 m_nLine = 0; // stored as a 16-bit value

    bool operator==(const CBreakpoint &) const = default;
};

// The breakpoints of one file.
struct CBreakpointList
{
    QString m_strPath;
    QList<CBreakpoint> m_breakpoints;

    bool operator==(const CBreakpointList &) const = default;
};
