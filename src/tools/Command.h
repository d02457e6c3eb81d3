#pragma once

#include "tree/Object.h"

#include <QString>
#include <QStringList>

class CProject;
class CToolManager;

// One of the user's own commands: a program, its startup directory and an
// argument text in which names in angle brackets ("<File Path>") stand for
// the file or project the command is run for. The two contexts are filled
// by whoever offers the command (a menu, the project tree, an editor)
// right before Run.
class CCommand : public CObject
{
    DECLARE_SERIAL(CCommand)
public:
    // Schema 1 had no "to output tab" flag.
    static constexpr quint32 kCurrentSchema = 2;

    void Serialize(CArchive &ar) override;

    // Starts the command for the contexts. open: the project that is open
    // (null for none). False when nothing was started (empty command, bad
    // variable syntax, a start failure, which has been reported).
    bool Run(CToolManager &manager, const CProject *open);

    // The value of one variable (name without the angle brackets, any
    // case) for the contexts; empty when it does not apply. A value that
    // names one path is quoted when it holds a blank, as the command line
    // needs it.
    QString ExpandVariable(const QString &name, const CProject *open);
    // text with every "<name>" replaced by its value; false when a '<' has
    // no '>' after it.
    bool ExpandText(const QString &text, const CProject *open, QString &out);
    // The command line and startup directory Run would use; false after
    // the bad-variable message.
    bool BuildCommandLine(const CProject *open, QString &commandLine, QString &directory);

    // The menus hand out ids each time they are built; a new id forgets
    // the contexts of the last run.
    void SetMenuId(int id);
    int MenuId() const { return m_nMenuId; }

    // The variables the picker offers, in its order.
    static QStringList StandardVariables();
    // The two the startup directory's picker offers.
    static QStringList DirectoryVariables();

    static QString BadArgumentsMessage()
    {
        return QStringLiteral("Bad variable in the arguments !!!");
    }
    static QString BadDirectoryMessage()
    {
        return QStringLiteral("Bad variable in the startup directory !!!");
    }

    QString m_strMenuName;
    QString m_strCommand;
    QString m_strStartupDir;
    QString m_strArguments;
    int m_bSetClassPath = 0;
    int m_bInWindow = 0;
    int m_bToOutput = 0;
    int m_bFileMenu = 0;
    int m_bProjectMenu = 0;

    // Not stored.
    QString m_strFileContext;
    QString m_strProjectContext;
    QString m_strResult;

private:
    int m_nMenuId = 0;
};
