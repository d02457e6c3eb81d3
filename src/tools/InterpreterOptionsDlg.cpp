#include "tools/InterpreterOptionsDlg.h"

#include "tools/InterpreterOptionsPage.h"
#include "tools/OnePageSheet.h"

CInterpreterOptionsDlg::CInterpreterOptionsDlg(QWidget *parent, const QString &title,
                                               bool projectPage)
    : QDialog(parent), m_page(new CInterpreterOptionsPage(projectPage))
{
    LayOutOnePageSheet(*this, title, m_page, tr("Interpreter"));
}
