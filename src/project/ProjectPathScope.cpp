#include "project/ProjectPathScope.h"

#include <QDir>

namespace {
thread_local CProjectPathScope *t_current = nullptr;

// The directory with exactly one trailing '/', cleaned, or empty.
QString NormalisedDir(const QString &dir)
{
    if (dir.isEmpty())
        return QString();
    QString d = QDir::cleanPath(dir);
    if (!d.endsWith(QLatin1Char('/')))
        d += QLatin1Char('/');
    return d;
}
} // namespace

CProjectPathScope::CProjectPathScope(const QString &projectDir)
    : m_dir(NormalisedDir(projectDir)), m_outer(t_current)
{
    t_current = this;
}

CProjectPathScope::~CProjectPathScope()
{
    t_current = m_outer;
}

QString CProjectPathScope::Relative(const QString &path, const QString &projectDir)
{
    const QString dir = NormalisedDir(projectDir);
    if (dir.isEmpty() || path.isEmpty() || !QDir::isAbsolutePath(path))
        return path;
    const QString clean = QDir::cleanPath(path);
    // Only paths below the directory become relative: "../" chains would
    // break as soon as the project moves without its neighbours.
    if (clean.startsWith(dir) && clean.size() > dir.size())
        return clean.mid(dir.size());
    return path;
}

QString CProjectPathScope::ToStored(const QString &path)
{
    if (!t_current)
        return path;
    return Relative(path, t_current->m_dir);
}

QString CProjectPathScope::FromStored(const QString &stored, const QString &projectDir)
{
    if (stored.isEmpty() || QDir::isAbsolutePath(stored) || projectDir.isEmpty())
        return stored;
    const QString resolved = QDir::cleanPath(NormalisedDir(projectDir) + stored);
    return resolved.isEmpty() ? stored : resolved;
}
