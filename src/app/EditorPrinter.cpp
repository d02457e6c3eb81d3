#include "app/EditorPrinter.h"

#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <utility>

CEditorPrinter::CEditorPrinter(QString path, QPrinter::PrinterMode mode)
    : QsciPrinter(mode), m_path(std::move(path))
{
    setWrapMode(QsciScintilla::WrapWord);
}

QString CEditorPrinter::HeaderText(const QDateTime &when, const QString &path, int page)
{
    return QStringLiteral("Date : %1 / %2 / Page : %3 ")
        .arg(when.toString(QStringLiteral("MM/dd/yy  HH:mm")), QDir::toNativeSeparators(path))
        .arg(page);
}

int CEditorPrinter::Print(QsciScintillaBase *editor)
{
    m_when = QDateTime::currentDateTime();
    m_pages = 0;
    // Colours are printed on white whatever the screen's background.
    editor->SendScintilla(QsciScintillaBase::SCI_SETPRINTCOLOURMODE,
                          QsciScintillaBase::SC_PRINT_COLOURONWHITEDEFAULTBG);
    if (!printRange(editor))
        return 0;
    return m_pages;
}

void CEditorPrinter::formatPage(QPainter &painter, bool drawing, QRect &area, int pageNumber)
{
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(10);
    const QFontMetrics metrics(font, painter.device());
    const int height = metrics.height();
    if (drawing) {
        painter.save();
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(area.left(), area.top() + metrics.ascent(),
                         HeaderText(m_when, m_path, pageNumber));
        painter.drawLine(area.left(), area.top() + height + height / 4, area.right(),
                         area.top() + height + height / 4);
        painter.restore();
        m_pages = std::max(m_pages, pageNumber);
    }
    area.setTop(area.top() + height * 2);
}
