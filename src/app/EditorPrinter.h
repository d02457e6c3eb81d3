#pragma once

#include <QDateTime>
#include <QDialog>
#include <QString>
#include <Qsci/qsciprinter.h>

class QLabel;
class QsciScintillaBase;

// What is being printed while it prints: the document, the printer and
// where its output goes, the page on its way; Cancel stops the print run
// after the page being drawn: the pages already printed
// stay printed.
class CPrintingDlg : public QDialog
{
    Q_OBJECT
public:
    CPrintingDlg(const QString &document, const QString &device, const QString &port,
                 QWidget *parent = nullptr);

    void SetPage(int page);
    bool IsCancelled() const { return m_cancelled; }
    void Cancel();

    static QString PageText(int page) { return QStringLiteral("Page %1").arg(page); }

private:
    QLabel *m_page;
    bool m_cancelled = false;
};

// Prints an editor's text in its colours, each page under a header line
// with the date and time, the file's path and the page number.
class CEditorPrinter : public QsciPrinter
{
public:
    explicit CEditorPrinter(QString path, QPrinter::PrinterMode mode = QPrinter::ScreenResolution);
    ~CEditorPrinter() override;

    // "Date : 12/06/26  05:40 / /home/u/Hello.java / Page : 3 "
    static QString HeaderText(const QDateTime &when, const QString &path, int page);
    // Prints the whole text; the number of pages, 0 when nothing was
    // printed.
    int Print(QsciScintillaBase *editor);
    // Print shows the printing dialog over parent, titled with document.
    // Not for a preview, whose pages are drawn again at every zoom.
    void ShowProgress(const QString &document, QWidget *parent);
    // The user stopped the last print run with the dialog's Cancel.
    bool WasCancelled() const { return m_cancelled; }

    void formatPage(QPainter &painter, bool drawing, QRect &area, int pageNumber) override;

private:
    bool PrintPages(QsciScintillaBase *editor);

    QString m_path;
    QDateTime m_when;
    int m_pages = 0;
    bool m_cancelled = false;
    QString m_progressDocument;
    QWidget *m_progressParent = nullptr;
    CPrintingDlg *m_progress = nullptr; // while Print runs
};
