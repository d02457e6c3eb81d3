#include "tools/ErrorMarks.h"

#include "editor/HueditView.h"

#include <QDir>
#include <QHash>
#include <Qsci/qscistyle.h>

CErrorMarks::CErrorMarks(CHueditView *view)
    : QObject(view), m_view(view),
      m_errorStyle(new QsciStyle(-1, QStringLiteral("Compile error"), QColor(0x80, 0, 0),
                                 QColor(0xff, 0xe4, 0xe1), view->GetDefaultFont())),
      m_warningStyle(new QsciStyle(-1, QStringLiteral("Compile warning"), QColor(0x60, 0x40, 0),
                                   QColor(0xff, 0xf6, 0xd5), view->GetDefaultFont()))
{
    setObjectName(QStringLiteral("ErrorMarks"));
    // Squares: the circle is the breakpoint's mark, and a line may carry
    // both.
    view->markerDefine(QsciScintilla::SmallRectangle, kErrorMarker);
    view->setMarkerBackgroundColor(QColor(0xd0, 0x20, 0x20), kErrorMarker);
    view->setMarkerForegroundColor(QColor(0x80, 0, 0), kErrorMarker);
    view->markerDefine(QsciScintilla::SmallRectangle, kWarningMarker);
    view->setMarkerBackgroundColor(QColor(0xf0, 0xb0, 0x20), kWarningMarker);
    view->setMarkerForegroundColor(QColor(0x80, 0x60, 0), kWarningMarker);
    // The symbol margin shows our marks among the others it may carry.
    view->setMarginMarkerMask(1, view->marginMarkerMask(1) | (1 << kErrorMarker) |
                                     (1 << kWarningMarker));
    if (view->marginWidth(1) < 16)
        view->setMarginWidth(1, 16);
    view->setAnnotationDisplay(QsciScintilla::AnnotationBoxed);
}

CErrorMarks::~CErrorMarks()
{
    delete m_errorStyle;
    delete m_warningStyle;
}

CErrorMarks *CErrorMarks::Of(CHueditView *view)
{
    if (auto *marks = view->findChild<CErrorMarks *>(QStringLiteral("ErrorMarks"),
                                                     Qt::FindDirectChildrenOnly))
        return marks;
    return new CErrorMarks(view);
}

void CErrorMarks::Clear()
{
    m_view->markerDeleteAll(kErrorMarker);
    m_view->markerDeleteAll(kWarningMarker);
    m_view->clearAnnotations();
    m_shown.clear();
}

void CErrorMarks::SetDiagnostics(const QString &path, const QList<CCompileDiagnostic> &all)
{
    Clear();
    const QString wanted = QDir::cleanPath(path);
    // Several messages on one line share its box, errors first.
    QHash<int, QStringList> texts;
    QHash<int, bool> hasError;
    QList<int> order;
    for (const CCompileDiagnostic &d : all) {
        if (QDir::cleanPath(d.file) != wanted || d.line < 1 || d.line > m_view->lines())
            continue;
        m_shown << d;
        if (!texts.contains(d.line))
            order << d.line;
        const QString text =
            (d.warning ? QStringLiteral("warning: ") : QStringLiteral("error: ")) + d.message;
        if (d.warning)
            texts[d.line].append(text);
        else
            texts[d.line].prepend(text);
        hasError[d.line] = hasError.value(d.line) || !d.warning;
    }
    for (int line : order) {
        const bool error = hasError.value(line);
        m_view->markerAdd(line - 1, error ? kErrorMarker : kWarningMarker);
        m_view->annotate(line - 1, texts.value(line).join(QLatin1Char('\n')),
                         error ? *m_errorStyle : *m_warningStyle);
    }
}
