#pragma once

#include <QString>
#include <QStringList>

class CProject;
class CToolManager;
struct CCompilerOptions;
struct CJarOptions;
struct CRmicOptions;

// jar, rmic and the bean manifest: each tool runs once into the Output tab
// from its dialog's values.
class CJdkToolStarter
{
public:
    explicit CJdkToolStarter(CToolManager &manager);

    // Starts jar in the archive's directory; false when it did not start
    // (reported).
    bool StartJar(const CJarOptions &options);
    // The rmic command line for the open project (or none).
    QString RmicCommandLine(const CRmicOptions &options) const;
    // Starts rmic in the project's directory; false when it did not start.
    bool StartRmic(const CRmicOptions &options);
    // "package.Name" of every class and interface a source declares.
    static QStringList DeclaredTypes(const QString &javaFile);

    // The bean manifest of the open project's main class: where it goes,
    // the entry it names, and whether the project holds it already.
    QString ManifestPath() const;
    static QString ManifestEntry(const QString &package, const QString &mainClassFile);
    bool ProjectHasManifest() const;
    // Writes the manifest and adds it to the project; false after
    // "Error creating ... file".
    bool MakeManifest();
    // The jar dialog's values for Make Bean: the manifest, an archive of
    // the same name beside it, and the main class's package directory.
    CJarOptions BeanJarOptions() const;

    // The package of the main class file ("" for none, or after "Error
    // parsing the main class file..." when it cannot be read).
    QString MainClassPackage() const;

private:
    CProject *OpenProject() const;
    QString ClassOutputDir() const;

    CToolManager &m_manager;
};
