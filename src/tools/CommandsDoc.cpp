#include "tools/CommandsDoc.h"

#include "core/CommandIds.h"
#include "core/Prompter.h"
#include "tools/Command.h"
#include "tree/Archive.h"
#include "tree/ArchiveFile.h"

#include <QFile>
#include <QFileInfo>

CCommandsDoc::CCommandsDoc()
{
    // Commands are written and read by class name: the class must be known.
    RegisterClasses();
}

CCommandsDoc::~CCommandsDoc()
{
    Clear();
}

void CCommandsDoc::RegisterClasses()
{
    CRuntimeClass::RegisterClass(RUNTIME_CLASS(CCommand));
}

void CCommandsDoc::Clear()
{
    qDeleteAll(m_commands);
    m_commands.clear();
}

void CCommandsDoc::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar.WriteDWORD(m_nVersion);
        ar.WriteObjectList(m_commands);
    } else {
        m_nVersion = ar.ReadDWORD();
        ar.ReadObjectList(m_commands, RUNTIME_CLASS(CCommand));
    }
}

bool CCommandsDoc::Load(const QString &path)
{
    Clear();
    m_strPathName = path;
    m_bModified = false;
    m_bDamaged = false;
    m_nVersion = kVersion;
    if (!QFileInfo::exists(path))
        return true;
    QString error;
    if (ReadArchiveFile(path, error, [this](CArchive &ar) { Serialize(ar); }))
        return true;
    Clear();
    m_nVersion = kVersion;
    // Nothing is written over a file we could not read: the user may still
    // mend or restore it. Should the user define new commands, the damaged
    // file is first kept beside the new one.
    m_bDamaged = true;
    Prompter().MessageBox(QStringLiteral("The custom commands file %1 cannot be read: %2\nThe "
                                         "file is left as it is; no commands are loaded.")
                              .arg(path, error),
                          CPrompter::Ok, CPrompter::Warning);
    return false;
}

QString CCommandsDoc::DamagedCopyName(const QString &path)
{
    return path + QStringLiteral(".damaged");
}

bool CCommandsDoc::SaveAs(const QString &path)
{
    m_bDamaged = false;
    m_strPathName = path;
    return Save();
}

bool CCommandsDoc::Save()
{
    if (m_strPathName.isEmpty())
        return false;
    if (m_bDamaged) {
        const QString keep = DamagedCopyName(m_strPathName);
        QFile::remove(keep);
        if (!QFile::copy(m_strPathName, keep)) {
            Prompter().MessageBox(
                QStringLiteral("The damaged custom commands file %1 could not be kept as %2; it "
                               "is not overwritten.")
                    .arg(m_strPathName, keep),
                CPrompter::Ok, CPrompter::Stop);
            return false;
        }
        m_bDamaged = false;
    }
    if (!SaveArchiveFileOrReport(m_strPathName, QStringLiteral("custom commands"),
                                 [this](CArchive &ar) { Serialize(ar); }))
        return false;
    m_bModified = false;
    return true;
}

bool CCommandsDoc::SaveModified()
{
    return !m_bModified || Save();
}

CCommand *CCommandsDoc::AddCommand(const QString &menuName)
{
    auto *cmd = new CCommand;
    cmd->m_strMenuName = menuName;
    m_commands.append(cmd);
    m_bModified = true;
    return cmd;
}

CCommand *CCommandsDoc::FindCommand(const QString &menuName) const
{
    for (CCommand *cmd : m_commands) {
        if (cmd->m_strMenuName.compare(menuName, Qt::CaseInsensitive) == 0)
            return cmd;
    }
    return nullptr;
}

void CCommandsDoc::DeleteCommand(int index)
{
    if (index < 0 || index >= m_commands.size())
        return;
    delete m_commands.takeAt(index);
    m_bModified = true;
}

bool CCommandsDoc::MoveCommand(int from, int to)
{
    if (from < 0 || from >= m_commands.size() || to < 0 || to >= m_commands.size())
        return false;
    CCommand *cmd = m_commands.takeAt(from);
    m_commands.insert(to, cmd);
    m_bModified = true;
    return true;
}

QList<CCommand *> CCommandsDoc::BuildMenu(MenuKind kind) const
{
    int id = kind == MainMenu   ? Cmd::UserCommandFirst
             : kind == FileMenu ? Cmd::UserFileCommandFirst
                                : Cmd::UserProjectCommandFirst;
    const int last = kind == MainMenu   ? Cmd::UserCommandLast
                     : kind == FileMenu ? Cmd::UserFileCommandLast
                                        : Cmd::UserProjectCommandLast;
    QList<CCommand *> out;
    for (CCommand *cmd : m_commands) {
        bool offered = false;
        switch (kind) {
        case MainMenu:
            offered = !cmd->m_strMenuName.isEmpty() && !cmd->m_strCommand.isEmpty();
            break;
        case FileMenu:
            offered = cmd->m_bFileMenu != 0;
            break;
        case ProjectMenu:
            offered = cmd->m_bProjectMenu != 0;
            break;
        }
        // Only the menu built last hands out ids.
        if (!offered || id > last) {
            cmd->SetMenuId(0);
            continue;
        }
        cmd->SetMenuId(id++);
        out << cmd;
    }
    return out;
}

CCommand *CCommandsDoc::FindByMenuId(int id) const
{
    for (CCommand *cmd : m_commands) {
        if (cmd->MenuId() == id)
            return cmd;
    }
    return nullptr;
}
