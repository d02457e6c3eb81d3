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

void CIDEDirectories::LoadSettings(const CSettingsStore &store)
{
    CSettingsExchange::LoadRecord(*this, store);
}

void CIDEDirectories::SaveSettings(CSettingsStore &store) const
{
    CSettingsExchange::SaveRecord(*this, store);
}

CSettingsExchange::KeyList CIDEDirectories::Keys()
{
    return CSettingsExchange::RecordKeys<CIDEDirectories>();
}

void CIDEDirectories::Exchange(CSettingsExchange &x)
{
    const QString empty = QStringLiteral("");
    x.String(kJava, QStringLiteral("ExePath"), m_exePath, empty);
    x.String(kJava, QStringLiteral("LibPath"), m_libPath, empty);
    x.String(kJava, QStringLiteral("SourcePath"), m_sourcePath, empty);
    x.String(kPackage, QStringLiteral("SourcePath"), m_pkgSourcePath, empty);
    x.String(kJava, QStringLiteral("DocPath"), m_docPath, empty);
    x.String(kJava, QStringLiteral("BeanDocPath"), m_beanDocPath, empty);
    x.String(kJava, QStringLiteral("JSDKDocPath"), m_jsdkDocPath, empty);
    x.String(kMavu, QStringLiteral("Path"), m_programPath, empty);
    x.String(kBrowser, QStringLiteral("Path"), m_browserPath, empty);
    // Read here; the main frame writes it when it closes the project.
    if (x.IsLoading())
        x.String(kMavu, QStringLiteral("Project"), m_lastProject, empty);

    // Each list falls back on the single path it grew from.
    x.List(kJava, QStringLiteral("ExePath"), m_exePaths, m_exePath);
    x.List(kJava, QStringLiteral("LibPath"), m_libPaths, m_libPath);
    x.List(kJava, QStringLiteral("DocPath"), m_docPaths, m_docPath);
    x.List(kJava, QStringLiteral("SrcPath"), m_srcPaths, m_sourcePath);
    x.List(kPackage, QStringLiteral("SrcPath"), m_pkgSrcPaths, m_pkgSourcePath);

    // Fixed userSlots: every one is written, empty ones are skipped when read.
    QStringList userSlots = m_userPaths;
    userSlots.resize(kMaxUserPaths);
    for (int i = 0; i < kMaxUserPaths; ++i)
        x.String(kUser, QStringLiteral("Path%1").arg(i + 1), userSlots[i], empty);
    if (x.IsLoading()) {
        userSlots.removeAll(QString());
        m_userPaths = userSlots;
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
