#include "packages/ClassDumpRun.h"

#include "core/Prompter.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaNames.h"
#include "javamodel/JavaParser.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInterface.h"
#include "packages/ClassDumper.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

CClassDumpRun::CClassDumpRun(CClassDumper &introspector, const QStringList &paths, QObject *parent)
    : QObject(parent), m_introspector(introspector), m_paths(paths)
{
}

CClassDumpRun::~CClassDumpRun()
{
    if (m_result == Running)
        m_introspector.Abort();
    m_introspector.m_onFinished = nullptr;
}

bool CClassDumpRun::IsDumpable(const QString &path)
{
    if (CClassDumper::IsPlatformPath(path))
        return true;
    for (const char *ext : {".class", ".jar", ".zip"})
        if (path.endsWith(QLatin1String(ext), Qt::CaseInsensitive))
            return true;
    return false;
}

QString CClassDumpRun::ClassPathAddition(const QString &path, const CFileObject &parsed)
{
    // The platform's own classes load without any class path.
    if (CClassDumper::IsPlatformPath(path))
        return QString();
    if (!path.endsWith(QStringLiteral(".class"), Qt::CaseInsensitive))
        return path;
    const CVarContainer *first = parsed.FirstClass();
    if (!first)
        first = parsed.FirstInterface();
    if (!first)
        return QString();
    const QString full = first->m_name;
    const QString shortName = JavaNames::Shorten(full);
    const QString dir = QFileInfo(path).absolutePath();
    if (full == shortName)
        return dir;
    const QString package = full.left(full.size() - shortName.size() - 1);
    const QString packageDir = QString(package).replace(QLatin1Char('.'), QLatin1Char('/'));
    // The class's directory ends in its package's directories; what comes
    // before them is the root the class loads from.
    const qsizetype at =
        (dir + QLatin1Char('/')).indexOf(QLatin1Char('/') + packageDir + QLatin1Char('/'));
    return at < 0 ? QString() : dir.left(at + 1);
}

void CClassDumpRun::Start()
{
    m_introspector.m_onFinished = [this](bool ok) {
        // The process's own signal is still being delivered: continue from
        // the event loop, as the dialog's next-file message did.
        QTimer::singleShot(0, this, [this, ok] { OnFinished(ok); });
    };
    if (m_onOutput)
        m_introspector.m_onOutput = m_onOutput;
    QTimer::singleShot(0, this, &CClassDumpRun::ProcessNext);
}

void CClassDumpRun::Abort()
{
    if (m_result != Running)
        return;
    m_introspector.Abort();
    Finish(Cancel);
}

void CClassDumpRun::Finish(Result result)
{
    m_result = result;
    m_introspector.m_onFinished = nullptr;
    if (m_onDone)
        m_onDone(result);
}

void CClassDumpRun::ProcessNext()
{
    if (m_result != Running)
        return;
    while (m_next < m_paths.size() && !IsDumpable(m_paths[m_next]))
        ++m_next;
    if (m_next >= m_paths.size()) {
        Finish(Ok);
        return;
    }
    m_current = m_paths[m_next++];
    if (m_onStatus)
        m_onStatus(
            QStringLiteral("Wait, Introspecting file %1").arg(QFileInfo(m_current).fileName()));
    if (!m_introspector.Start(m_current))
        Finish(Cancel);
}

void CClassDumpRun::OnFinished(bool ok)
{
    if (m_result != Running)
        return;
    const QString output = m_introspector.OutputFile();
    if (ok && QFileInfo::exists(output)) {
        QFile file(output);
        if (!file.open(QIODevice::ReadOnly)) {
            Prompter().MessageBox(
                QStringLiteral("Error opening the file %1 for parsing !!!").arg(output));
        } else {
            const QByteArray text = file.readAll();
            std::unique_ptr<CFileObject> parsed(text.isEmpty() ? nullptr
                                                               : CJavaParser::ParseText(text));
            if (parsed) {
                const QString addition = ClassPathAddition(m_current, *parsed);
                if (!addition.isEmpty()) {
                    if (!m_classPathAdditions.isEmpty())
                        m_classPathAdditions += QDir::listSeparator();
                    m_classPathAdditions += addition;
                    if (m_onOutput)
                        m_onOutput(QStringLiteral("Adding Classpath %1\n").arg(addition));
                }
                m_files.push_back(std::move(parsed));
            }
        }
    }
    QFile::remove(output);
    if (ok) {
        if (m_onOutput)
            m_onOutput(QStringLiteral("Done\n"));
        ProcessNext();
    } else {
        if (m_onOutput)
            m_onOutput(QStringLiteral("Aborted\n"));
        Finish(Cancel);
    }
}

std::vector<std::unique_ptr<CFileObject>> CClassDumpRun::TakeFiles()
{
    return std::move(m_files);
}
