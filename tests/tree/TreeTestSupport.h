#pragma once

#include "tree/Archive.h"
#include "tree/TreeFolder.h"

#include <QBuffer>
#include <QByteArray>
#include <functional>
#include <memory>

// Node classes the tree tests store and read besides the library's own.

// A leaf whose stored layout grew over three versions; it reads every one.
// Version 3 holds a nested object before its last field, so the version it
// asks for after that object must still be its own.
class CVersionedNode : public CTreeItem
{
    DECLARE_SERIAL(CVersionedNode)
public:
    void Serialize(CArchive &ar) override;
    quint32 m_flag = 0;                // from version 2
    std::unique_ptr<CObject> m_nested; // from version 3
    QString m_extra;                   // from version 3
    quint32 m_readAs = 0;              // version seen after the nested object
};

// A folder that takes no two children with the same name (ignoring case),
// as project folders do.
class CUniqueFolder : public CTreeFolder
{
    DECLARE_SERIAL(CUniqueFolder)
public:
    bool AddChild(CTreeItem *child, bool sorted) override;
};

// A leaf that counts its live instances, to see that folders free children.
class CCountedItem : public CTreeItem
{
    DECLARE_SERIAL(CCountedItem)
public:
    CCountedItem() { ++s_alive; }
    explicit CCountedItem(const QString &name) : CTreeItem(name, TreeImage::Leaf, TreeImage::Leaf)
    {
        ++s_alive;
    }
    ~CCountedItem() override { --s_alive; }
    static inline int s_alive = 0;
};

// Registered under its name but never creatable (a hierarchy's abstract base).
class CAbstractNode : public CTreeItem
{
    DECLARE_DYNAMIC(CAbstractNode)
};

// Serialisable but deliberately left out of the registry.
class CUnregisteredNode : public CTreeItem
{
    DECLARE_SERIAL(CUnregisteredNode)
};

void RegisterTestClasses();

// Writes with a storing archive over a memory buffer and returns the bytes.
QByteArray StoreBytes(const std::function<void(CArchive &)> &write);
// Reads bytes with a loading archive; the device is a plain buffer, or one
// that claims to be sequential so its size is unknown to the reader.
void LoadBytes(const QByteArray &bytes, const std::function<void(CArchive &)> &read,
               bool sequential = false);

// Expects reading bytes with fn to throw the given cause; returns the
// message (empty, and a failure, when nothing was thrown).
QString ExpectFailure(const QByteArray &bytes, CArchiveException::Cause cause,
                      const std::function<void(CArchive &)> &fn, bool sequential = false);

// Byte builders for hand-written expected layouts.
QByteArray Dw(quint32 v);
QByteArray W(quint16 v);
QByteArray Str(const QByteArray &utf8); // the archive's string form

// Names of a folder's children in list order.
QStringList ChildNames(const CTreeFolder &folder);

// A leaf drawn as a leaf, and a folder holding children in the order given.
CTreeItem *Leaf(const QString &name);
CTreeFolder *Folder(const QString &name, std::initializer_list<CTreeItem *> children = {});
