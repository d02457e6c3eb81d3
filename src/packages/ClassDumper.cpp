#include "packages/ClassDumper.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTemporaryFile>

namespace {
// How much of the introspector's own complaints (classes it had to skip)
// reaches the output window; a broken archive can name thousands.
constexpr qsizetype kMaxErrorText = 4000;

QString TempOutputFile()
{
    QTemporaryFile file(QDir(QDir::tempPath()).filePath(QStringLiteral("tmpXXXXXX")));
    file.setAutoRemove(false);
    if (file.open())
        return file.fileName();
    // No usable temporary directory: a fixed name in the home directory.
    return QDir::home().filePath(QStringLiteral("bean.txt"));
}
} // namespace

CClassDumper::CClassDumper(Kind kind, QObject *parent) : QObject(parent), m_kind(kind)
{
}

CClassDumper::~CClassDumper()
{
    Abort();
}

QString CClassDumper::StartFailedText(Kind kind)
{
    if (kind == ClassKind)
        return QStringLiteral("Error introspecting a class. Please make sure of the following -\n"
                              "1. Java BIN is defined in the System path variable\n"
                              "2. DumpClass.class file is located in Mavu classes.zip file\n");
    return QStringLiteral("Error introspecting a bean. Please make sure of the following -\n"
                          "1. Java BIN is defined in the System path variable\n"
                          "2. DumpBean.class file is located in Mavu classes.zip file\n"
                          "3. Ensure ../BDK/beanbox/classes is in the CLASSPATH");
}

QString CClassDumper::ExtendClassPath(const QString &oldValue, const QString &path)
{
    const QChar sep = QDir::listSeparator();
    QString cp = oldValue;
    if (IsPlatformPath(path))
        return cp;
    if (!path.endsWith(QStringLiteral(".class"), Qt::CaseInsensitive))
        return cp + sep + path;
    // Every directory from the class file's own up to the root: one of them
    // is the root of the class's package.
    QString dir = QFileInfo(path).absolutePath();
    for (;;) {
        while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
            dir.chop(1);
        cp += sep + dir;
        const qsizetype slash = dir.lastIndexOf(QLatin1Char('/'));
        if (slash < 0 || dir == QLatin1String("/"))
            break;
        dir = slash == 0 ? QStringLiteral("/") : dir.left(slash);
    }
    return cp;
}

void CClassDumper::Output(const QString &text)
{
    if (m_onOutput)
        m_onOutput(text);
}

bool CClassDumper::Start(const QString &path)
{
    if (m_busy)
        return false;
    const bool isClass = m_kind == ClassKind;
    const QString program = m_java.isEmpty() ? QStringLiteral("java") : m_java;
    const QString mainClass = isClass ? QStringLiteral("DumpClass") : QStringLiteral("DumpBean");
    m_outputFile = TempOutputFile();
    m_workDir = IsPlatformPath(path) ? QDir::tempPath() : QFileInfo(path).absolutePath();
    m_commandLine = QStringLiteral("java %1 %2 %3").arg(mainClass, path, m_outputFile);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QString cp = env.value(QStringLiteral("CLASSPATH"));
    if (!m_ownClassesZip.isEmpty() && !cp.split(QDir::listSeparator()).contains(m_ownClassesZip))
        cp = cp.isEmpty() ? m_ownClassesZip : cp + QDir::listSeparator() + m_ownClassesZip;
    // A bean's class path is its user's business (the bean box's classes).
    m_childClassPath = isClass ? ExtendClassPath(cp, path) : cp;
    env.insert(QStringLiteral("CLASSPATH"), m_childClassPath);

    Output(isClass ? QStringLiteral("Wait, Introspecting file...\n")
                   : QStringLiteral("Wait, Introspecting bean...\n"));
    m_process = new QProcess(this);
    m_process->setProcessEnvironment(env);
    m_process->setWorkingDirectory(m_workDir);
    m_process->setProcessChannelMode(QProcess::SeparateChannels);
    m_process->setStandardOutputFile(QProcess::nullDevice());
    connect(m_process, &QProcess::finished, this, &CClassDumper::OnProcessFinished);
    m_process->start(program, {mainClass, path, m_outputFile});
    if (!m_process->waitForStarted()) {
        delete m_process;
        m_process = nullptr;
        QFile::remove(m_outputFile);
        Output(StartFailedText(m_kind));
        return false;
    }
    m_busy = true;
    return true;
}

void CClassDumper::Abort()
{
    if (!m_process)
        return;
    m_process->disconnect(this);
    m_process->kill();
    m_process->waitForFinished();
    m_process->deleteLater();
    m_process = nullptr;
    m_busy = false;
    QFile::remove(m_outputFile);
}

void CClassDumper::OnProcessFinished(int exitCode, QProcess::ExitStatus status)
{
    QString errors = QString::fromLocal8Bit(m_process->readAllStandardError());
    if (errors.size() > kMaxErrorText) {
        const qsizetype cut = errors.lastIndexOf(QLatin1Char('\n'), kMaxErrorText);
        errors = errors.left(cut < 0 ? kMaxErrorText : cut + 1) + QStringLiteral("...\n");
    }
    if (!errors.isEmpty())
        Output(errors.endsWith(QLatin1Char('\n')) ? errors : errors + QLatin1Char('\n'));
    m_process->deleteLater();
    m_process = nullptr;
    m_busy = false;
    if (m_onFinished)
        m_onFinished(status == QProcess::NormalExit && exitCode == 0);
}
