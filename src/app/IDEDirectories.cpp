#include "app/IDEDirectories.h"

#include "app/AppLocations.h"
#include "app/FilePathInfo.h"
#include "core/IDEOptions.h"
#include "core/SettingsStore.h"

#include <QFileInfo>

const char *const CIDEDirectories::kDocSubdirs[kDocSubdirCount] = {
    "/api",
    "/guide/awt",
    "/guide/awt/designspec",
    "/guide/awt/designspec/graphics",
    "/guide/innerclasses",
    "/guide/innerclasses/html",
    "/guide/intl",
    "/guide/intl/demo/collate",
    "/guide/intl/demo/datetimeformat",
    "/guide/intl/demo/messageformat",
    "/guide/intl/demo/numberformat",
    // Listed twice on purpose: index files already store position 14 for it.
    "/guide/intl/demo/messageformat",
    "/guide/intl/demo/textbound",
    "/guide/intl/html",
    "/guide/io",
    "/guide/jar",
    "/guide/jdbc",
    "/guide/misc",
    "/guide/nativemethod",
    "/guide/net",
    "/guide/performance",
    "/guide/reflection",
    "/guide/reflection/html",
    "/guide/rmi",
    "/guide/security",
    "/guide/serialization",
    "/relnotes",
    "/tooldocs/solaris",
    "/tooldocs/win32",
};

namespace {

const QString kJava = QStringLiteral("Java");
const QString kPackage = QStringLiteral("Package");
const QString kMavu = QStringLiteral("Mavu");
const QString kBrowser = QStringLiteral("Browser");
const QString kUser = QStringLiteral("User");

// A corrupt count must not make loading crawl through billions of keys.
constexpr int kMaxListCount = 1000;

QStringList ReadList(const CSettingsStore &s, const QString &section, const QString &name,
                     const QString &single)
{
    QStringList list;
    const int count =
        qBound(0, s.GetProfileInt(section, name + QStringLiteral("Count"), 0), kMaxListCount);
    for (int i = 1; i <= count; ++i) {
        const QString v = s.GetProfileString(section, name + QString::number(i), QString());
        if (!v.isEmpty())
            list << v;
    }
    if (count == 0 && !single.isEmpty())
        list << single;
    return list;
}

void WriteString(CSettingsStore &s, const QString &section, const QString &key, const QString &v)
{
    // A null string would delete the key.
    s.WriteProfileString(section, key, v.isNull() ? QStringLiteral("") : v);
}

void WriteList(CSettingsStore &s, const QString &section, const QString &name,
               const QStringList &list)
{
    const QString countKey = name + QStringLiteral("Count");
    const int oldCount = qBound(0, s.GetProfileInt(section, countKey, 0), kMaxListCount);
    s.WriteProfileInt(section, countKey, int(list.size()));
    for (int i = 0; i < list.size(); ++i)
        WriteString(s, section, name + QString::number(i + 1), list.at(i));
    // Entries past the new end would only confuse someone reading the file.
    for (int i = int(list.size()) + 1; i <= oldCount; ++i)
        s.WriteProfileString(section, name + QString::number(i), QString());
}

bool IsDir(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

QString NoSlash(QString dir)
{
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    return dir;
}

// Looks for a subdirectory of the program directory, then of the start-up
// directory, then where the program's own files ship. Returns the directory
// found and, in base, the directory it was found in.
QString FindProgramSubdir(const CAppLocations &loc, const QString &programDir, const QString &name,
                          QString *base)
{
    QStringList bases{programDir, loc.m_startupDir};
    bases += loc.m_ownFileDirs;
    for (const QString &b : bases) {
        if (b.isEmpty())
            continue;
        const QString dir = CFilePathInfo::Join(b, name);
        if (IsDir(dir)) {
            if (base)
                *base = NoSlash(b);
            return dir;
        }
    }
    return QString();
}

// Cuts a documentation path at its "/api" component, so that both
// ".../docs" and ".../docs/api" name the same documentation tree.
QString CutAtApi(const QString &docPath)
{
    const QString api = QStringLiteral("/api");
    qsizetype from = 0;
    while (true) {
        const qsizetype pos = docPath.indexOf(api, from);
        if (pos < 0)
            return docPath;
        const qsizetype after = pos + api.size();
        if (after == docPath.size() || docPath.at(after) == QLatin1Char('/'))
            return docPath.left(pos);
        from = pos + 1;
    }
}

} // namespace

void CIDEDirectories::LoadSettings(const CSettingsStore &s)
{
    const QString empty = QStringLiteral("");
    m_exePath = s.GetProfileString(kJava, QStringLiteral("ExePath"), empty);
    m_libPath = s.GetProfileString(kJava, QStringLiteral("LibPath"), empty);
    m_sourcePath = s.GetProfileString(kJava, QStringLiteral("SourcePath"), empty);
    m_pkgSourcePath = s.GetProfileString(kPackage, QStringLiteral("SourcePath"), empty);
    m_docPath = s.GetProfileString(kJava, QStringLiteral("DocPath"), empty);
    m_beanDocPath = s.GetProfileString(kJava, QStringLiteral("BeanDocPath"), empty);
    m_jsdkDocPath = s.GetProfileString(kJava, QStringLiteral("JSDKDocPath"), empty);
    m_programPath = s.GetProfileString(kMavu, QStringLiteral("Path"), empty);
    m_browserPath = s.GetProfileString(kBrowser, QStringLiteral("Path"), empty);
    m_lastProject = s.GetProfileString(kMavu, QStringLiteral("Project"), empty);

    m_exePaths = ReadList(s, kJava, QStringLiteral("ExePath"), m_exePath);
    m_libPaths = ReadList(s, kJava, QStringLiteral("LibPath"), m_libPath);
    m_srcPaths = ReadList(s, kJava, QStringLiteral("SrcPath"), m_sourcePath);
    m_docPaths = ReadList(s, kJava, QStringLiteral("DocPath"), m_docPath);
    m_pkgSrcPaths = ReadList(s, kPackage, QStringLiteral("SrcPath"), m_pkgSourcePath);

    m_userPaths.clear();
    for (int i = 1; i <= kMaxUserPaths; ++i) {
        const QString v = s.GetProfileString(kUser, QStringLiteral("Path%1").arg(i), empty);
        if (!v.isEmpty())
            m_userPaths << v;
    }
}

void CIDEDirectories::SaveSettings(CSettingsStore &s) const
{
    WriteString(s, kJava, QStringLiteral("ExePath"), m_exePath);
    WriteString(s, kJava, QStringLiteral("LibPath"), m_libPath);
    WriteString(s, kJava, QStringLiteral("SourcePath"), m_sourcePath);
    WriteString(s, kPackage, QStringLiteral("SourcePath"), m_pkgSourcePath);
    WriteString(s, kJava, QStringLiteral("DocPath"), m_docPath);
    WriteString(s, kJava, QStringLiteral("BeanDocPath"), m_beanDocPath);
    WriteString(s, kJava, QStringLiteral("JSDKDocPath"), m_jsdkDocPath);
    WriteString(s, kMavu, QStringLiteral("Path"), m_programPath);
    WriteString(s, kBrowser, QStringLiteral("Path"), m_browserPath);

    WriteList(s, kJava, QStringLiteral("ExePath"), m_exePaths);
    WriteList(s, kJava, QStringLiteral("LibPath"), m_libPaths);
    WriteList(s, kJava, QStringLiteral("DocPath"), m_docPaths);
    WriteList(s, kJava, QStringLiteral("SrcPath"), m_srcPaths);
    WriteList(s, kPackage, QStringLiteral("SrcPath"), m_pkgSrcPaths);

    for (int i = 1; i <= kMaxUserPaths; ++i) {
        const QString v = i <= m_userPaths.size() ? m_userPaths.at(i - 1) : QString();
        WriteString(s, kUser, QStringLiteral("Path%1").arg(i), v);
    }
}

void CIDEDirectories::DeriveDirectories(const CAppLocations &loc, CIDEOptions &options)
{
    m_apiDocPath.clear();
    if (!m_docPath.isEmpty()) {
        m_docPath = CutAtApi(m_docPath);
        m_apiDocPath = CFilePathInfo::Join(m_docPath, QStringLiteral("api/"));
    }

    if (m_programPath.isEmpty())
        m_programPath = loc.m_defaultProgramDir;

    m_helpBase.clear();
    m_helpDir = FindProgramSubdir(loc, m_programPath, QStringLiteral("help"), &m_helpBase);
    m_newHelpDir = FindProgramSubdir(loc, m_programPath, QStringLiteral("newhelp"), nullptr);

    // tips.txt beside where the program was started wins; else the program
    // directory's, else the one shipped with the program.
    const QString tips = QStringLiteral("tips.txt");
    m_tipsFile = CFilePathInfo::Join(m_programPath, tips);
    QStringList candidates{CFilePathInfo::Join(loc.m_startupDir, tips), m_tipsFile};
    for (const QString &dir : loc.m_ownFileDirs)
        candidates << CFilePathInfo::Join(dir, tips);
    for (const QString &c : candidates) {
        if (QFileInfo(c).isFile()) {
            m_tipsFile = c;
            break;
        }
    }

    m_docDirs.clear();
    m_docDirs << m_helpBase << m_helpDir;
    for (const char *sub : kDocSubdirs)
        m_docDirs << (m_docPath.isEmpty() ? QString()
                                          : CFilePathInfo::Join(m_docPath, QLatin1String(sub)));
    m_docDirs << (m_beanDocPath.isEmpty()
                      ? QString()
                      : CFilePathInfo::Join(m_beanDocPath, QStringLiteral("javadoc")));
    m_docDirs << (m_jsdkDocPath.isEmpty()
                      ? QString()
                      : CFilePathInfo::Join(m_jsdkDocPath, QStringLiteral("apidoc")));
    m_docDirs << m_newHelpDir;
    while (m_docDirs.size() < kFirstUserDocDir - 1)
        m_docDirs << QString();
    for (const QString &p : m_userPaths) {
        if (m_docDirs.size() >= kMaxDocDirs)
            break;
        if (!p.isEmpty())
            m_docDirs << p;
    }

    if (!m_docPath.isEmpty())
        options.m_helpWarning = 0;
}

int CIDEDirectories::DocDirNumber(const QString &dir) const
{
    if (dir.isEmpty())
        return 0;
    const QString wanted = NoSlash(dir);
    for (int i = 0; i < m_docDirs.size(); ++i) {
        if (!m_docDirs.at(i).isEmpty() && NoSlash(m_docDirs.at(i)) == wanted)
            return i + 1;
    }
    return 0;
}

QString CIDEDirectories::DocDir(int number) const
{
    if (number < 1 || number > m_docDirs.size())
        return QString();
    return m_docDirs.at(number - 1);
}
