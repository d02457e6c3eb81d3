#include "app/EditorPrinter.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>
#include <utility>

CPrintingDlg::CPrintingDlg(const QString &document, const QString &device, const QString &port,
                           QWidget *parent)
    : QDialog(parent), m_page(new QLabel)
{
    setObjectName(QStringLiteral("PrintingDlg"));
    setWindowTitle(QStringLiteral("Printing"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Now Printing")));
    auto *name = new QLabel(document);
    name->setObjectName(QStringLiteral("document"));
    layout->addWidget(name);
    auto *where = new QLabel(QStringLiteral("on the %1 on %2").arg(device, port));
    where->setObjectName(QStringLiteral("device"));
    layout->addWidget(where);
    m_page->setObjectName(QStringLiteral("page"));
    layout->addWidget(m_page);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPrintingDlg::Cancel);
    layout->addWidget(buttons);
    SetPage(1);
}

void CPrintingDlg::SetPage(int page)
{
    m_page->setText(PageText(page));
}

void CPrintingDlg::Cancel()
{
    m_cancelled = true;
    if (QPushButton *cancel = findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel))
        cancel->setEnabled(false);
}

CEditorPrinter::CEditorPrinter(QString path, QPrinter::PrinterMode mode)
    : QsciPrinter(mode), m_path(std::move(path))
{
    setWrapMode(QsciScintilla::WrapWord);
}

CEditorPrinter::~CEditorPrinter() = default;

QString CEditorPrinter::HeaderText(const QDateTime &when, const QString &path, int page)
{
    return QStringLiteral("Date : %1 / %2 / Page : %3 ")
        .arg(when.toString(QStringLiteral("MM/dd/yy  HH:mm")), QDir::toNativeSeparators(path))
        .arg(page);
}

void CEditorPrinter::ShowProgress(const QString &document, QWidget *parent)
{
    m_progressDocument = document;
    m_progressParent = parent;
}

int CEditorPrinter::Print(QsciScintillaBase *editor)
{
    m_when = QDateTime::currentDateTime();
    m_pages = 0;
    m_cancelled = false;
    std::unique_ptr<CPrintingDlg> progress;
    if (!m_progressDocument.isEmpty()) {
        // A file has no port: its name says where the pages go.
        const bool toFile = !outputFileName().isEmpty();
        const QString device = toFile ? QStringLiteral("file") : printerName();
        QString port = outputFileName();
        if (!toFile) {
            const QPrinterInfo info(*this);
            port = info.location().isEmpty() ? info.printerName() : info.location();
        }
        progress = std::make_unique<CPrintingDlg>(m_progressDocument, device,
                                                  QDir::toNativeSeparators(port), m_progressParent);
        progress->show();
        m_progress = progress.get();
        QApplication::processEvents();
    }
    // Colours are printed on white whatever the screen's background.
    editor->SendScintilla(QsciScintillaBase::SCI_SETPRINTCOLOURMODE,
                          QsciScintillaBase::SC_PRINT_COLOURONWHITEDEFAULTBG);
    const bool printed = PrintPages(editor);
    m_progress = nullptr;
    if (m_cancelled || !printed)
        return 0;
    return m_pages;
}

bool CEditorPrinter::PrintPages(QsciScintillaBase *editor)
{
    // The pages are laid out here rather than by printRange so that a
    // cancel between two pages stops the run: not every print engine can
    // abort one once it has started.
    QPainter painter;
    if (!painter.begin(this))
        return false;
    editor->SendScintilla(QsciScintillaBase::SCI_SETPRINTMAGNIFICATION, magnification());
    editor->SendScintilla(QsciScintillaBase::SCI_SETPRINTWRAPMODE, long(wrapMode()));
    const QRect page(0, 0, painter.device()->width(), painter.device()->height());
    const long end = editor->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    const int first = fromPage();
    const int last = toPage();
    bool started = false;
    long pos = 0;
    for (int number = 1; pos < end; ++number) {
        if (last > 0 && number > last)
            break;
        if (m_progress) {
            QApplication::processEvents();
            if (m_progress->IsCancelled()) {
                m_cancelled = true;
                break;
            }
        }
        // Pages before the chosen range are laid out, not drawn.
        const bool render = first == 0 || number >= first;
        if (render) {
            if (started && !newPage())
                return false;
            started = true;
        }
        QRect area = page;
        formatPage(painter, render, area, number);
        const long next = editor->SendScintilla(QsciScintillaBase::SCI_FORMATRANGE, render,
                                                &painter, area, pos, end);
        if (next <= pos) // nothing fitted: the area is too small to go on
            break;
        pos = next;
    }
    painter.end();
    return started;
}

void CEditorPrinter::formatPage(QPainter &painter, bool drawing, QRect &area, int pageNumber)
{
    if (drawing && m_progress)
        m_progress->SetPage(pageNumber);
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
