#include "tools/HeadlessProject.h"

#include "project/Project.h"
#include "project/ProjectClasses.h"
#include "project/ProjectFolder.h"
#include "tools/CompileProcess.h"
#include "tools/ToolManager.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTextStream>

CHeadlessProject::CHeadlessProject() = default;

CHeadlessProject::~CHeadlessProject()
{
    if (!m_folder)
        return;
    // Nothing is saved and nobody is asked about it.
    Project().SetModifiedFlag(false);
    m_folder->SetProject(nullptr);
}

bool CHeadlessProject::Open(const QString &projectPath, const QString &workspacePath,
                            QTextStream &err)
{
    RegisterProjectClasses();
    const QString path = QFileInfo(projectPath).absoluteFilePath();
    if (!QFileInfo(path).isFile()) {
        err << QStringLiteral("Project file does not exist !!!") << Qt::endl;
        return false;
    }
    if (QFileInfo(path).suffix().compare(QLatin1String("mavu"), Qt::CaseInsensitive) != 0) {
        err << QStringLiteral("The file is not a Mavu project file !!!") << Qt::endl;
        return false;
    }
    if (!workspacePath.isEmpty() && QFileInfo::exists(workspacePath))
        m_workspace.Load(workspacePath);
    m_folder = std::make_unique<CProjectFolder>(path);
    m_folder->SetProject(&Project());
    return Project().Open(m_folder.get(), false);
}

int CHeadlessProject::CompileAndWait(CToolManager &manager, const std::function<bool()> &start)
{
    QEventLoop loop;
    bool succeeded = false;
    QObject::connect(&manager.CompileProcess(), &CCompileProcess::compileFinished, &loop,
                     [&](const CCompileResult &result) {
                         succeeded = result.succeeded;
                         loop.quit();
                     });
    if (!start())
        return -1;
    loop.exec();
    return succeeded ? 1 : 0;
}

void CStreamOutput::AppendOutput(const QString &text)
{
    QString t = text;
    t.remove(QLatin1Char('\r'));
    m_stream << t;
    m_stream.flush();
    m_written = true;
}
