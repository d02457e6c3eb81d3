#pragma once

#include "tools/JavacLineParser.h"

#include <QList>
#include <QObject>

class CHueditView;
class QsciStyle;

// The compiler's errors and warnings shown in an editor: a mark in the
// margin of each line, and the message in a box under it. Attached to one
// editor view (and owned by it); the next compile's diagnostics for the
// file replace them, and a clean compile takes them away.
class CErrorMarks : public QObject
{
    Q_OBJECT
public:
    static constexpr int kErrorMarker = 20;
    static constexpr int kWarningMarker = 21;

    explicit CErrorMarks(CHueditView *view);
    ~CErrorMarks() override;

    // The marks of the view's file: diagnostics of other files are left out.
    void SetDiagnostics(const QString &path, const QList<CCompileDiagnostic> &all);
    void Clear();
    // The lines (1-based) marked now, and their messages.
    const QList<CCompileDiagnostic> &Shown() const { return m_shown; }

    // The marks attached to view, made on first use.
    static CErrorMarks *Of(CHueditView *view);

private:
    CHueditView *m_view;
    QsciStyle *m_errorStyle;
    QsciStyle *m_warningStyle;
    QList<CCompileDiagnostic> m_shown;
};
