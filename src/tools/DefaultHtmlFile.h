#pragma once

#include <QString>
#include <QStringList>

// The HTML page generated to run an applet class that has none.
class CDefaultHtmlFile
{
public:
    // The page's text. An empty applet code leaves CODE= without a class,
    // for the user to fill in.
    static QString Text(const QString &appletCode);

    // The class the page names: the given applet class, else the main class
    // file's name without extension followed by ".class"; empty (with the
    // message that asks the user to fill it in) when neither is set.
    static QString AppletCode(const QString &appletClass, const QString &mainClassFile);

    // Writes projectDir/<baseName>.html ("Default" when baseName is empty)
    // for appletClass. Refused with a message when a file of that name with
    // extension .html or .htm is among projectFiles (names, any case) or the
    // file cannot be created. Returns the new file's path, empty on failure.
    static QString Create(const QString &projectDir, const QString &baseName,
                          const QString &appletClass, const QString &mainClassFile,
                          const QStringList &projectFiles);
};
