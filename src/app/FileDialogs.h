#pragma once

#include <QString>
#include <QStringList>

// A file dialog as the commands ask for it: a title, a filter in the
// "Text|pattern|Text|pattern||" form the commands are written with, a
// default extension added to names typed without one, and what may be
// chosen.
struct CFileDialogRequest
{
    enum Mode {
        OpenExisting, // one file that exists
        OpenAny,      // one file, which need not exist yet
        OpenMultiple, // one or more files that exist
        Save,         // a file to write
        Directory,    // an existing directory
    };

    QString m_title;
    QString m_filter;
    QString m_defaultExt; // without the dot: "java"
    Mode m_mode = OpenExisting;
    QString m_directory; // where the dialog starts ("" for its own choice)
    // Set by the dialog: the filter the user left chosen, by its position
    // in m_filter (-1 when not known).
    mutable int m_chosenFilter = -1;

    // The filter as Qt's file dialogs take it: "Mavu Files (*.mavu)|*.mavu|
    // All Files (*.*)|*.*||" becomes "Mavu Files (*.mavu);;All Files (*)".
    // "*.*" means every file, with or without an extension.
    QStringList QtFilters() const;
    // name with the default extension appended when it has none.
    QString WithDefaultExt(const QString &name) const;
    // name with the extension of the chosen filter appended when it has
    // none, as desktop file dialogs do; a filter of every file ("*.*"), or
    // of several patterns, adds nothing.
    QString WithChosenFilterExt(const QString &name) const;
    // The extension a filter names ("java" for "*.java"), or "" for one of
    // every file or several patterns.
    QString FilterExt(int index) const;
};

// Runs file dialogs for the commands. The program's one shows Qt's file
// dialog; tests install one that answers from a script.
class CFileDialogs
{
public:
    virtual ~CFileDialogs() = default;
    // The chosen paths (absolute), empty when the user cancelled.
    virtual QStringList Choose(const CFileDialogRequest &request) = 0;
};
