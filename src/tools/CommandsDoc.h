#pragma once

#include <QList>
#include <QString>

class CArchive;
class CCommand;

// The user's commands, kept in "user.cmd": a version, a count and the
// commands as objects. The document owns its commands.
class CCommandsDoc
{
public:
    static constexpr quint32 kVersion = 2;

    CCommandsDoc();
    ~CCommandsDoc();
    CCommandsDoc(const CCommandsDoc &) = delete;
    CCommandsDoc &operator=(const CCommandsDoc &) = delete;

    void Serialize(CArchive &ar);

    // Reads path. A missing file gives an empty list that is written on the
    // first save; a damaged one is reported, left as it is on disk, and the
    // list stays empty (a later save first copies it to DamagedCopyName).
    // False when it could not be read.
    bool Load(const QString &path);
    // Writes the list to the path it was loaded from (atomically); false
    // after telling the user.
    bool Save();
    bool SaveAs(const QString &path);
    // Saves when the list was changed since loading or the last save.
    bool SaveModified();
    QString PathName() const { return m_strPathName; }

    // A new command named menuName at the end of the list.
    CCommand *AddCommand(const QString &menuName = QStringLiteral("New"));
    // The first command of that name, ignoring case; null for none.
    CCommand *FindCommand(const QString &menuName) const;
    void DeleteCommand(int index);
    // Moves the command at from to index to; false when to is not below
    // the number of commands.
    bool MoveCommand(int from, int to);
    void Clear();

    // Where the commands are offered.
    enum MenuKind { MainMenu, FileMenu, ProjectMenu };
    // The commands a menu of that kind lists, in order, each given its id
    // (which forgets its last contexts): the main menu lists those with a
    // name and a program, the two context menus those marked for them, as
    // many as their id ranges hold.
    QList<CCommand *> BuildMenu(MenuKind kind) const;
    // The command a menu built last gave id to; null for none.
    CCommand *FindByMenuId(int id) const;

    const QList<CCommand *> &Commands() const { return m_commands; }
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
    quint32 Version() const { return m_nVersion; }

    static void RegisterClasses();
    static QString DamagedCopyName(const QString &path);

private:
    QList<CCommand *> m_commands;
    QString m_strPathName;
    quint32 m_nVersion = kVersion;
    bool m_bModified = false;
    bool m_bDamaged = false;
};
