#pragma once

#include <QDateTime>
#include <QString>
#include <Qsci/qsciprinter.h>

class QsciScintillaBase;

// Prints an editor's text in its colours, each page under a header line
// with the date and time, the file's path and the page number.
class CEditorPrinter : public QsciPrinter
{
public:
    explicit CEditorPrinter(QString path, QPrinter::PrinterMode mode = QPrinter::ScreenResolution);

    // "Date : 12/06/26  05:40 / /home/u/Hello.java / Page : 3 "
    static QString HeaderText(const QDateTime &when, const QString &path, int page);
    // Prints the whole text; the number of pages, 0 when nothing was
    // printed.
    int Print(QsciScintillaBase *editor);

    void formatPage(QPainter &painter, bool drawing, QRect &area, int pageNumber) override;

private:
    QString m_path;
    QDateTime m_when;
    int m_pages = 0;
};
