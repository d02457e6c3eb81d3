#include "TreeTestSupport.h"

#include "tree/TreeClasses.h"

#include <QtEndian>
#include <gtest/gtest.h>

IMPLEMENT_SERIAL(CVersionedNode, CTreeItem, VERSIONABLE_SCHEMA | 3)
IMPLEMENT_SERIAL(CUniqueFolder, CTreeFolder, 1)
IMPLEMENT_SERIAL(CCountedItem, CTreeItem, 1)
IMPLEMENT_DYNAMIC(CAbstractNode, CTreeItem)
IMPLEMENT_SERIAL(CUnregisteredNode, CTreeItem, 1)

void CVersionedNode::Serialize(CArchive &ar)
{
    CTreeItem::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteDWORD(m_flag);
        ar.WriteObject(m_nested.get());
        ar.WriteString(m_extra);
        return;
    }
    if (ar.GetObjectSchema() >= 2)
        m_flag = ar.ReadDWORD();
    if (ar.GetObjectSchema() >= 3)
        m_nested.reset(ar.ReadOwnedObject(RUNTIME_CLASS(CTreeItem)));
    m_readAs = ar.GetObjectSchema();
    if (m_readAs >= 3)
        m_extra = ar.ReadString();
}

bool CUniqueFolder::AddChild(CTreeItem *child, bool sorted)
{
    for (const CTreeItem *c : Children()) {
        if (QString::compare(c->GetName(), child->GetName(), Qt::CaseInsensitive) == 0)
            return false;
    }
    return CTreeFolder::AddChild(child, sorted);
}

void RegisterTestClasses()
{
    RegisterTreeClasses();
    CRuntimeClass::RegisterClass(RUNTIME_CLASS(CVersionedNode));
    CRuntimeClass::RegisterClass(RUNTIME_CLASS(CUniqueFolder));
    CRuntimeClass::RegisterClass(RUNTIME_CLASS(CCountedItem));
    CRuntimeClass::RegisterClass(RUNTIME_CLASS(CAbstractNode));
}

namespace {
// A stream that hands out its bytes once, like a pipe: its size is unknown.
class SequentialBuffer : public QIODevice
{
public:
    explicit SequentialBuffer(QByteArray *data) : m_data(*data) {}
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override
    {
        return m_data.size() - m_pos + QIODevice::bytesAvailable();
    }

protected:
    qint64 readData(char *out, qint64 max) override
    {
        const qint64 n = qMin(max, m_data.size() - m_pos);
        memcpy(out, m_data.constData() + m_pos, size_t(n));
        m_pos += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_data;
    qint64 m_pos = 0;
};
} // namespace

QByteArray StoreBytes(const std::function<void(CArchive &)> &write)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    CArchive ar(&buf, CArchive::store);
    write(ar);
    return bytes;
}

void LoadBytes(const QByteArray &bytes, const std::function<void(CArchive &)> &read,
               bool sequential)
{
    QByteArray copy = bytes;
    SequentialBuffer seq(&copy);
    QBuffer plain(&copy);
    QIODevice &buf = sequential ? static_cast<QIODevice &>(seq) : plain;
    buf.open(QIODevice::ReadOnly);
    CArchive ar(&buf, CArchive::load);
    read(ar);
}

QString ExpectFailure(const QByteArray &bytes, CArchiveException::Cause cause,
                      const std::function<void(CArchive &)> &fn, bool sequential)
{
    try {
        LoadBytes(bytes, fn, sequential);
    } catch (const CArchiveException &e) {
        EXPECT_EQ(e.m_cause, cause) << e.Message().toStdString();
        EXPECT_FALSE(e.Message().isEmpty());
        return e.Message();
    }
    ADD_FAILURE() << "no exception";
    return {};
}

QByteArray Dw(quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}

QByteArray W(quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    return QByteArray(b, 2);
}

QByteArray Str(const QByteArray &utf8)
{
    const auto n = quint32(utf8.size());
    QByteArray out;
    if (n < 0xFF)
        out.append(char(n));
    else if (n < 0xFFFF)
        out.append(char(0xFF)).append(W(quint16(n)));
    else
        out.append(char(0xFF)).append(W(0xFFFF)).append(Dw(n));
    return out + utf8;
}

QStringList ChildNames(const CTreeFolder &folder)
{
    QStringList names;
    for (const CTreeItem *c : folder.Children())
        names << c->GetName();
    return names;
}

CTreeItem *Leaf(const QString &name)
{
    return new CTreeItem(name, TreeImage::Leaf, TreeImage::Leaf);
}

CTreeFolder *Folder(const QString &name, std::initializer_list<CTreeItem *> children)
{
    auto *f = new CTreeFolder(name);
    for (CTreeItem *c : children)
        f->AddChild(c, false);
    return f;
}
