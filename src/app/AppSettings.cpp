#include "app/AppSettings.h"

#include "app/AppLocations.h"
#include "app/IDEDirectories.h"
#include "app/ProductFiles.h"
#include "core/IDEOptions.h"
#include "core/SettingsStore.h"

void LoadSettings(const CSettingsStore &store, const CAppLocations &loc, CIDEOptions &options,
                  CIDEDirectories &dirs, CProductFiles &files)
{
    options.LoadSettings(store);
    dirs.LoadSettings(store);
    dirs.DeriveDirectories(loc, options);
    const QString java = QStringLiteral("Java");
    files.SetPath(CProductFiles::Packages,
                  store.GetProfileString(java, QStringLiteral("PkgPath"), QStringLiteral("")));
    files.SetPath(CProductFiles::HelpTree,
                  store.GetProfileString(java, QStringLiteral("HelpPath"), QStringLiteral("")));
}

void SaveSettings(CSettingsStore &store, const CIDEOptions &options, const CIDEDirectories &dirs)
{
    dirs.SaveSettings(store);
    options.SaveSettings(store);
}
