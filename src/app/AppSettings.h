#pragma once

class CSettingsStore;
class CIDEOptions;
class CIDEDirectories;
class CProductFiles;
struct CAppLocations;

// Reads the options, then the directories with everything derived from them,
// then the initial paths of the package database ("Java"/"PkgPath") and the
// help tree ("Java"/"HelpPath").
void LoadSettings(const CSettingsStore &store, const CAppLocations &loc, CIDEOptions &options,
                  CIDEDirectories &dirs, CProductFiles &files);

// Writes the directories, then the options.
void SaveSettings(CSettingsStore &store, const CIDEOptions &options, const CIDEDirectories &dirs);
