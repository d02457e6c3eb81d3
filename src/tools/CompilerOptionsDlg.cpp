#include "tools/CompilerOptionsDlg.h"

#include "tools/CompilerOptionsPage.h"
#include "tools/OnePageSheet.h"

CCompilerOptionsDlg::CCompilerOptionsDlg(QWidget *parent, const QString &title)
    : QDialog(parent), m_page(new CCompilerOptionsPage)
{
    LayOutOnePageSheet(*this, title, m_page, tr("Compiler"));
}
