#include "tools/Command.h"

#include "core/Prompter.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaParser.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarPackage.h"
#include "project/Project.h"
#include "tools/CommandLine.h"
#include "tools/FrameToolProcess.h"
#include "tools/OutputToolProcess.h"
#include "tools/ToolHost.h"
#include "tools/ToolManager.h"
#include "tree/Archive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

IMPLEMENT_SERIAL(CCommand, CObject, VERSIONABLE_SCHEMA | CCommand::kCurrentSchema)

void CCommand::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        for (int flag : {m_bSetClassPath, m_bInWindow, m_bToOutput, m_bFileMenu, m_bProjectMenu})
            ar.WriteInt(flag);
        for (const QString *s : {&m_strMenuName, &m_strCommand, &m_strStartupDir, &m_strArguments})
            ar.WriteString(*s);
        return;
    }
    const quint32 schema = ar.GetObjectSchema();
    if (schema != 1 && schema != 2)
        return;
    m_bSetClassPath = ar.ReadInt();
    m_bInWindow = ar.ReadInt();
    m_bToOutput = schema == 2 ? ar.ReadInt() : 0;
    m_bFileMenu = ar.ReadInt();
    m_bProjectMenu = ar.ReadInt();
    m_strMenuName = ar.ReadString();
    m_strCommand = ar.ReadString();
    m_strStartupDir = ar.ReadString();
    m_strArguments = ar.ReadString();
    if (schema < kCurrentSchema)
        ar.NoteOlderSchema();
}

void CCommand::SetMenuId(int id)
{
    m_nMenuId = id;
    m_strFileContext.clear();
    m_strProjectContext.clear();
}

QStringList CCommand::StandardVariables()
{
    return {QStringLiteral("<File Path>"),
            QStringLiteral("<File Name>"),
            QStringLiteral("<File Ext>"),
            QStringLiteral("<File Name With Ext>"),
            QStringLiteral("<File Directory>"),
            QStringLiteral("<Class of File>"),
            QStringLiteral("<Project Path>"),
            QStringLiteral("<Project Name>"),
            QStringLiteral("<Project Directory>"),
            QStringLiteral("<Open Project Main Class>"),
            QStringLiteral("<Open Project Main Class File Name>"),
            QStringLiteral("<Open Project Main HTML File>"),
            QStringLiteral("<Open Project Files With Path>"),
            QStringLiteral("<Open Project Files WO Path>"),
            QStringLiteral("<Open Project File Names>"),
            QStringLiteral("<Open Project Class Files>"),
            QStringLiteral("<Classpath>")};
}

QStringList CCommand::DirectoryVariables()
{
    return {QStringLiteral("<File Directory>"), QStringLiteral("<Project Directory>")};
}

namespace {

// "package.Class" of the first class (else interface) the source declares.
QString ClassOfSource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    std::unique_ptr<CFileObject> parsed(CJavaParser::ParseText(file.readAll()));
    if (!parsed)
        return QString();
    QString name;
    if (CVarClass *c = parsed->FirstClass())
        name = c->GetName();
    else if (CVarInterface *i = parsed->FirstInterface())
        name = i->GetName();
    if (name.isEmpty())
        return QString();
    if (parsed->m_package && !parsed->m_package->GetName().isEmpty())
        return parsed->m_package->GetName() + QLatin1Char('.') + name;
    return name;
}

QString DirWithSlash(const QFileInfo &info)
{
    QString dir = info.absolutePath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

bool Is(const QString &name, const char *variable)
{
    return name.compare(QLatin1String(variable), Qt::CaseInsensitive) == 0;
}

// A blank, then the text in double quotes, for every project file.
QString QuotedList(const QStringList &files, const std::function<QString(const QFileInfo &)> &f)
{
    QString out;
    for (const QString &file : files)
        out += QStringLiteral(" \"") + f(QFileInfo(file)) + QLatin1Char('"');
    return out;
}

} // namespace

QString CCommand::ExpandVariable(const QString &name, const CProject *open)
{
    using CL = CCommandLine;
    m_strResult.clear();
    const QFileInfo file(m_strFileContext);
    const bool hasFile = !m_strFileContext.isEmpty() && file.exists();
    const QFileInfo project(m_strProjectContext);
    const bool hasProject = !m_strProjectContext.isEmpty() && project.exists();
    const bool isOpen = open && open->IsOpen();

    if (Is(name, "File Path")) {
        if (hasFile)
            m_strResult = CL::Quote(file.absoluteFilePath());
    } else if (Is(name, "File Name")) {
        if (hasFile)
            m_strResult = CL::Quote(file.completeBaseName());
    } else if (Is(name, "File Ext")) {
        if (hasFile)
            m_strResult = CL::Quote(file.suffix());
    } else if (Is(name, "File Name With Ext")) {
        if (hasFile)
            m_strResult = CL::Quote(file.fileName());
    } else if (Is(name, "File Directory")) {
        if (hasFile)
            m_strResult = CL::Quote(DirWithSlash(file));
    } else if (Is(name, "File As Class Ext")) {
        if (hasFile)
            m_strResult =
                CL::Quote(DirWithSlash(file) + file.completeBaseName() + QStringLiteral(".class"));
    } else if (Is(name, "Class of File")) {
        if (hasFile && file.suffix().compare(QLatin1String("java"), Qt::CaseInsensitive) == 0)
            m_strResult = ClassOfSource(file.absoluteFilePath());
    } else if (Is(name, "Project Path")) {
        if (hasProject)
            m_strResult = CL::Quote(project.absoluteFilePath());
    } else if (Is(name, "Project Name")) {
        if (hasProject)
            m_strResult = CL::Quote(project.completeBaseName());
    } else if (Is(name, "Project Directory")) {
        if (hasProject)
            m_strResult = CL::Quote(DirWithSlash(project));
    } else if (Is(name, "Open Project Main Class")) {
        if (isOpen && !open->GetMainClass().isEmpty())
            m_strResult = ClassOfSource(open->GetMainClass());
    } else if (Is(name, "Open Project Main Class File Name")) {
        if (isOpen && !open->GetMainClass().isEmpty())
            m_strResult = CL::Quote(QFileInfo(open->GetMainClass()).completeBaseName());
    } else if (Is(name, "Open Project Main HTML File")) {
        if (isOpen)
            m_strResult = CL::Quote(open->GetMainHtml());
    } else if (Is(name, "Open Project Files With Path")) {
        if (isOpen)
            m_strResult = QuotedList(open->GetFiles(),
                                     [](const QFileInfo &f) { return f.absoluteFilePath(); });
    } else if (Is(name, "Open Project Files WO Path")) {
        if (isOpen)
            m_strResult =
                QuotedList(open->GetFiles(), [](const QFileInfo &f) { return f.fileName(); });
    } else if (Is(name, "Open Project File Names")) {
        if (isOpen)
            m_strResult = QuotedList(open->GetFiles(),
                                     [](const QFileInfo &f) { return f.completeBaseName(); });
    } else if (Is(name, "Open Project Class Files")) {
        if (isOpen) {
            QStringList sources;
            for (const QString &f : open->GetFiles()) {
                if (f.endsWith(QLatin1String(".java"), Qt::CaseInsensitive))
                    sources << f;
            }
            m_strResult = QuotedList(sources, [](const QFileInfo &f) {
                return DirWithSlash(f) + f.completeBaseName() + QStringLiteral(".class");
            });
        }
    } else if (Is(name, "Classpath")) {
        m_strResult = CL::Quote(qEnvironmentVariable("CLASSPATH").left(3000));
    }
    return m_strResult;
}

bool CCommand::ExpandText(const QString &text, const CProject *open, QString &out)
{
    out.clear();
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('<')) {
            out += c;
            ++i;
            continue;
        }
        const qsizetype end = text.indexOf(QLatin1Char('>'), i + 1);
        if (end < 0)
            return false;
        out += ExpandVariable(text.mid(i + 1, end - i - 1), open);
        i = end + 1;
    }
    return true;
}

bool CCommand::BuildCommandLine(const CProject *open, QString &commandLine, QString &directory)
{
    QString args;
    if (!ExpandText(m_strArguments, open, args)) {
        Prompter().MessageBox(BadArgumentsMessage(), CPrompter::Ok, CPrompter::Stop);
        return false;
    }
    commandLine = CCommandLine::Quote(m_strCommand) + QLatin1Char(' ') + args;
    if (!ExpandText(m_strStartupDir, open, directory)) {
        Prompter().MessageBox(BadDirectoryMessage(), CPrompter::Ok, CPrompter::Stop);
        return false;
    }
    // The directory is one path, not a command-line word: no quotes.
    if (directory.size() >= 2 && directory.startsWith(QLatin1Char('"')) &&
        directory.endsWith(QLatin1Char('"')))
        directory = directory.mid(1, directory.size() - 2);
    return true;
}

bool CCommand::Run(CToolManager &manager, const CProject *open)
{
    if (m_strCommand.isEmpty())
        return false;
    QString line;
    QString dir;
    if (!BuildCommandLine(open, line, dir))
        return false;

    // The child's own environment carries the class path; ours is never
    // changed, so there is nothing to put back afterwards.
    QString classPath = qEnvironmentVariable("CLASSPATH");
    if (m_bSetClassPath && open && open->IsOpen() && !open->m_strClassPath.isEmpty())
        classPath = open->m_strClassPath;

    if (!m_bInWindow && !m_bToOutput) {
        CToolProcess detached(&manager, line, dir);
        detached.SetClassPath(classPath);
        return detached.Execute(0);
    }

    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    manager.Host().ClearOutput(CToolHost::OutputTab);
    CToolProcess *p = m_bToOutput
                          ? static_cast<CToolProcess *>(new COutputToolProcess(&manager, line, dir))
                          : new CFrameToolProcess(&manager, line, dir);
    p->SetClassPath(classPath);
    if (!p->Execute(0)) {
        delete p;
        return false;
    }
    return true;
}
