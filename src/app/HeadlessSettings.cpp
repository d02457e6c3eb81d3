#include "app/HeadlessSettings.h"

#include "app/AppLocations.h"
#include "app/AppSettings.h"
#include "app/IDEDirectories.h"
#include "app/JavaClassPath.h"
#include "core/IDEOptions.h"
#include "core/SettingsStore.h"

#include <QCoreApplication>
#include <QFileInfo>

CHeadlessSettings CHeadlessSettings::Load()
{
    const CSettingsStore store;
    const CAppLocations loc =
        CAppLocations::FromEnvironment(QCoreApplication::applicationDirPath());
    CIDEOptions options;
    CIDEDirectories dirs;
    CHeadlessSettings settings;
    LoadSettings(store, loc, options, dirs, settings.m_files);
    settings.m_programDir =
        dirs.m_programPath.isEmpty() ? loc.m_defaultProgramDir : dirs.m_programPath;
    settings.m_startupDir = loc.m_startupDir;
    settings.m_files.SetDefaults(settings.m_programDir, loc.m_startupDir);
    settings.jdkExeDir = dirs.m_exePath;
    settings.jdkLibDir = dirs.m_libPath;
    const QString zip = CJavaClassPath::FindOwnClassesZip(loc, settings.m_programDir);
    if (!zip.isEmpty())
        settings.ownClassesDir = QFileInfo(zip).absolutePath();
    return settings;
}

QString CHeadlessSettings::Resolve(CProductFiles::File file) const
{
    return CProductFiles::Resolve(file, m_files.Path(file), m_programDir, m_startupDir);
}
