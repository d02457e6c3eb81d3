// The archive's byte forms, its object table and its refusals of bad input.

#include "TreeTestSupport.h"
#include "tree/ArchiveFile.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ArchiveTest : public ::testing::Test
{
protected:
    void SetUp() override { RegisterTestClasses(); }
};

// The bytes of a new-class header, as the archive writes it.
QByteArray NewClass(quint32 schema, const char *name)
{
    return W(0xFFFF) + Dw(schema) + Str(name);
}

TEST_F(ArchiveTest, StringLengthPrefixAtEveryBoundary)
{
    struct Row
    {
        int length;
        QByteArray prefix;
    };
    const Row rows[] = {
        {254, QByteArray::fromHex("fe")},
        {255, QByteArray::fromHex("ffff00")},
        {65534, QByteArray::fromHex("fffeff")},
        {65535, QByteArray::fromHex("ffffffffff0000")},
    };
    for (const Row &row : rows) {
        const QString s(row.length, QLatin1Char('x'));
        const QByteArray bytes = StoreBytes([&](CArchive &ar) { ar.WriteString(s); });
        EXPECT_EQ(bytes.left(row.prefix.size()), row.prefix) << row.length;
        EXPECT_EQ(bytes.size(), row.prefix.size() + row.length) << row.length;
        for (bool sequential : {false, true}) {
            LoadBytes(
                bytes, [&](CArchive &ar) { EXPECT_EQ(ar.ReadString(), s) << row.length; },
                sequential);
        }
    }
}

TEST_F(ArchiveTest, StringsAreUtf8AndEmptyStaysNonNull)
{
    const QString text = QStringLiteral("Größe – 日本語 \U0001F600 \uFEFFbom");
    // The length counts UTF-8 bytes, not characters.
    const QByteArray utf8 = text.toUtf8();
    const QByteArray bytes = StoreBytes([&](CArchive &ar) {
        ar.WriteString(text);
        ar.WriteString(QString());
        ar.WriteString(QStringLiteral("\uFEFFlead"));
    });
    EXPECT_EQ(quint8(bytes[0]), utf8.size());
    EXPECT_EQ(bytes.mid(1, utf8.size()), utf8);
    LoadBytes(bytes, [&](CArchive &ar) {
        EXPECT_EQ(ar.ReadString(), text);
        const QString empty = ar.ReadString();
        EXPECT_TRUE(empty.isEmpty());
        EXPECT_FALSE(empty.isNull()); // settings treat a null string as "delete the key"
        EXPECT_EQ(ar.ReadString(), QStringLiteral("\uFEFFlead"));
    });

    const QString msg = ExpectFailure(QByteArray::fromHex("03ff41c3"), CArchiveException::BadFormat,
                                      [](CArchive &ar) { ar.ReadString(); });
    EXPECT_TRUE(msg.contains(QStringLiteral("UTF-8"))) << msg.toStdString();
}

TEST_F(ArchiveTest, StringArraysAndListsUseWordCountWithEscape)
{
    struct Row
    {
        QStringList list;
        QByteArray countBytes;
    };
    const Row rows[] = {
        {{QStringLiteral("a"), QString(), QStringLiteral("ü")}, QByteArray::fromHex("0300")},
        {QStringList(0xFFFE, QStringLiteral("z")), QByteArray::fromHex("feff")},
        {QStringList(0xFFFF, QStringLiteral("z")), QByteArray::fromHex("ffffffff0000")},
    };
    for (const Row &row : rows) {
        const QByteArray array = StoreBytes([&](CArchive &ar) { ar.WriteStringArray(row.list); });
        const QByteArray list = StoreBytes([&](CArchive &ar) { ar.WriteStringList(row.list); });
        EXPECT_EQ(array.left(row.countBytes.size()), row.countBytes) << row.list.size();
        EXPECT_EQ(array, list);
        LoadBytes(array, [&](CArchive &ar) {
            EXPECT_EQ(ar.ReadStringArray(), row.list);
            EXPECT_THROW(ar.ReadBYTE(), CArchiveException); // nothing left over
        });
        LoadBytes(list, [&](CArchive &ar) { EXPECT_EQ(ar.ReadStringList(), row.list); });
    }
}

TEST_F(ArchiveTest, AbsurdCountsFailBeforeAllocating)
{
    const auto readArray = [](CArchive &ar) { ar.ReadStringArray(); };
    const auto readString = [](CArchive &ar) { ar.ReadString(); };
    // Sizes the file cannot hold are refused at once, whether the size of
    // the stream is known or not (4 G entries is beyond any limit; 16 M
    // entries is allowed but absent).
    ExpectFailure(QByteArray::fromHex("ffffffffffff41"), CArchiveException::BadFormat, readArray);
    for (bool sequential : {false, true}) {
        ExpectFailure(QByteArray::fromHex("ffff0000000141"), CArchiveException::EndOfFile,
                      readArray, sequential);
        ExpectFailure(QByteArray::fromHex("ffffffffffffff41"), CArchiveException::BadFormat,
                      readString, sequential);
        ExpectFailure(QByteArray::fromHex("ffffff0000000141"), CArchiveException::EndOfFile,
                      readString, sequential);
    }
    LoadBytes(Dw(20), [](CArchive &ar) {
        ar.ReadDWORD();
        EXPECT_THROW(ar.CheckCount(1), CArchiveException);
        EXPECT_NO_THROW(ar.CheckCount(0));
    });
}

// The reader takes the file in blocks: strings and counts that straddle a
// block's end, strings longer than a block, and a count checked near the
// end must all read as they were written.
TEST_F(ArchiveTest, ReadingAcrossReadAheadBlocks)
{
    QStringList written;
    const QByteArray bytes = StoreBytes([&](CArchive &ar) {
        for (int i = 0; i < 4000; ++i) {
            written << QString(i % 97 + 1, QChar(u'a' + i % 26)) + QStringLiteral("\u00e9");
            ar.WriteString(written.last());
            ar.WriteDWORD(quint32(i));
        }
        written << QString(200'000, QLatin1Char('z'));
        ar.WriteString(written.last());
        ar.WriteDWORD(7);
    });
    ASSERT_GT(bytes.size(), 3 * 64 * 1024);
    for (bool sequential : {false, true}) {
        LoadBytes(
            bytes,
            [&](CArchive &ar) {
                for (int i = 0; i < 4000; ++i) {
                    ASSERT_EQ(ar.ReadString(), written[i]);
                    ASSERT_EQ(ar.ReadDWORD(), quint32(i));
                }
                EXPECT_FALSE(ar.AtEnd());
                if (!sequential) {
                    EXPECT_THROW(ar.CheckAtEnd(), CArchiveException);
                }
                EXPECT_EQ(ar.ReadString(), written.last());
                EXPECT_NO_THROW(ar.CheckCount(4));
                EXPECT_EQ(ar.ReadDWORD(), 7u);
                EXPECT_TRUE(ar.AtEnd());
                EXPECT_NO_THROW(ar.CheckAtEnd());
                if (!sequential) {
                    EXPECT_THROW(ar.CheckCount(1), CArchiveException);
                }
            },
            sequential);
    }
}

TEST_F(ArchiveTest, IndexesBeyondWordRangeUseTheLongForm)
{
    // 40000 objects of two classes push indexes past 0x7FFF; the last
    // references must still find the right class and object.
    std::vector<std::unique_ptr<CTreeItem>> nodes;
    for (int i = 0; i < 40000; ++i) {
        if (i % 2)
            nodes.emplace_back(new CTreeItem(QString::number(i), 0, 0));
        else
            nodes.emplace_back(new CTreeFolder(QString::number(i)));
    }
    const QByteArray bytes = StoreBytes([&](CArchive &ar) {
        for (const auto &n : nodes)
            ar.WriteObject(n.get());
        ar.WriteObject(nodes.back().get());
    });
    // The final back reference: long tag, then the object's index.
    EXPECT_EQ(bytes.right(6).toHex(), (W(0x7FFF) + Dw(40000 + 2)).toHex());
    LoadBytes(bytes, [&](CArchive &ar) {
        std::vector<std::unique_ptr<CObject>> read;
        for (int i = 0; i < 40000; ++i) {
            read.emplace_back(ar.ReadObject(RUNTIME_CLASS(CTreeItem)));
            const auto *node = static_cast<CTreeItem *>(read.back().get());
            ASSERT_EQ(node->GetName(), QString::number(i));
            ASSERT_EQ(node->IsFolder(), i % 2 == 0);
        }
        EXPECT_EQ(ar.ReadObject(nullptr), read.back().get());
    });
}

TEST_F(ArchiveTest, VersionableClassReadsEveryStoredVersion)
{
    CVersionedNode node;
    node.SetName(QStringLiteral("n"));
    node.m_flag = 7;
    node.m_extra = QStringLiteral("x");
    node.m_nested.reset(new CTreeItem(QStringLiteral("c"), 0, 0));
    const QByteArray current = StoreBytes([&](CArchive &ar) { ar.WriteObject(&node); });
    // The versionable flag is not stored, only the version.
    EXPECT_EQ(current.toHex(), (NewClass(3, "CVersionedNode") + Str("n") + Dw(7) +
                                NewClass(1, "CTreeItem") + Str("c") + Str("x"))
                                   .toHex());

    struct Row
    {
        QByteArray bytes;
        quint32 version, flag;
        QString extra;
    };
    const Row rows[] = {
        {NewClass(1, "CVersionedNode") + Str("v1"), 1, 0, {}},
        {NewClass(2, "CVersionedNode") + Str("v2") + Dw(5), 2, 5, {}},
        {current, 3, 7, QStringLiteral("x")},
    };
    // Version 3 checks its version after reading the nested CTreeItem (schema
    // 1): reading the last field depends on getting 3 there, not 1.
    for (const Row &row : rows) {
        LoadBytes(row.bytes, [&](CArchive &ar) {
            std::unique_ptr<CObject> obj(ar.ReadObject(RUNTIME_CLASS(CTreeItem)));
            auto *v = dynamic_cast<CVersionedNode *>(obj.get());
            ASSERT_NE(v, nullptr);
            EXPECT_EQ(v->m_readAs, row.version);
            EXPECT_EQ(v->m_flag, row.flag);
            EXPECT_EQ(v->m_extra, row.extra);
            EXPECT_EQ(v->m_nested != nullptr, row.version >= 3);
            EXPECT_THROW(ar.ReadBYTE(), CArchiveException); // read exactly its layout
        });
    }
}

TEST_F(ArchiveTest, BadObjectsAreRefusedWithTheirCause)
{
    const auto readItem = [](CArchive &ar) {
        std::unique_ptr<CObject> o(ar.ReadObject(RUNTIME_CLASS(CTreeItem)));
    };
    const auto readFolder = [](CArchive &ar) {
        std::unique_ptr<CObject> o(ar.ReadObject(RUNTIME_CLASS(CTreeFolder)));
    };
    const auto readOwned = [](CArchive &ar) {
        std::unique_ptr<CObject> first(ar.ReadOwnedObject(RUNTIME_CLASS(CTreeItem)));
        std::unique_ptr<CObject> second(ar.ReadOwnedObject(RUNTIME_CLASS(CTreeItem)));
    };
    const QByteArray item = NewClass(1, "CTreeItem") + Str("a");

    QString msg = ExpectFailure(NewClass(1, "CNoSuchNode") + Str("a"),
                                CArchiveException::UnknownClass, readItem);
    EXPECT_TRUE(msg.contains(QStringLiteral("CNoSuchNode"))) << msg.toStdString();
    msg = ExpectFailure(item, CArchiveException::BadClass, readFolder);
    EXPECT_TRUE(msg.contains(QStringLiteral("CTreeFolder")) && msg.contains("CTreeItem"))
        << msg.toStdString();
    msg =
        ExpectFailure(NewClass(2, "CTreeItem") + Str("a"), CArchiveException::BadSchema, readItem);
    EXPECT_TRUE(msg.contains(QStringLiteral("CTreeItem"))) << msg.toStdString();
    ExpectFailure(NewClass(0, "CTreeItem") + Str("a"), CArchiveException::BadSchema, readItem);
    ExpectFailure(NewClass(0, "CAbstractNode") + Str("a"), CArchiveException::BadClass, readItem);
    // References to classes or objects that were never stored.
    ExpectFailure(W(0x8001), CArchiveException::BadIndex, readItem);
    ExpectFailure(W(0x0001), CArchiveException::BadIndex, readItem);
    ExpectFailure(item + W(0x8002), CArchiveException::BadIndex, readOwned); // 2 is an object
    ExpectFailure(item + W(0x0001), CArchiveException::BadIndex, readOwned); // 1 is a class
    ExpectFailure(W(0x7FFF) + Dw(0x80000009), CArchiveException::BadIndex, readItem);
    // An owner cannot accept null or an object that already belongs elsewhere.
    ExpectFailure(item + W(0x0000), CArchiveException::BadFormat, readOwned);
    ExpectFailure(item + W(0x0002), CArchiveException::BadFormat, readOwned);
    // An optional member may be null, but it is still owned by one place.
    const auto readOptional = [](CArchive &ar) {
        std::unique_ptr<CObject> first(ar.ReadOwnedObjectOrNull(RUNTIME_CLASS(CTreeItem)));
        std::unique_ptr<CObject> second(ar.ReadOwnedObjectOrNull(RUNTIME_CLASS(CTreeItem)));
        EXPECT_NE(first, nullptr);
        EXPECT_EQ(second, nullptr);
    };
    LoadBytes(item + W(0x0000), readOptional);
    ExpectFailure(item + W(0x0002), CArchiveException::BadFormat, readOptional);
    // A back reference of the wrong kind.
    ExpectFailure(item + W(0x0002), CArchiveException::BadClass, [](CArchive &ar) {
        std::unique_ptr<CObject> first(ar.ReadObject(nullptr));
        ar.ReadObject(RUNTIME_CLASS(CTreeFolder));
    });
    // Cut short inside the object: the half-read object is freed (the leak
    // checker of the sanitizer build watches this).
    ExpectFailure(NewClass(1, "CTreeFolder") + Dw(3) +
                      QByteArray("\x05"
                                 "ab"),
                  CArchiveException::EndOfFile, readItem);
}

// A chain of objects each stored inside the one before.
QByteArray NestedChain(int depth)
{
    std::unique_ptr<CObject> inner = std::make_unique<CTreeItem>();
    for (int i = 0; i < depth; ++i) {
        auto node = std::make_unique<CVersionedNode>();
        node->m_nested = std::move(inner);
        inner = std::move(node);
    }
    return StoreBytes([&](CArchive &ar) { ar.WriteObject(inner.get()); });
}

TEST_F(ArchiveTest, ObjectsNestedBeyondReasonAreRefusedNotOverflowingTheStack)
{
    const auto read = [](CArchive &ar) {
        std::unique_ptr<CObject> o(ar.ReadObject(RUNTIME_CLASS(CTreeItem)));
        ASSERT_TRUE(o);
    };
    LoadBytes(NestedChain(CArchive::kMaxObjectDepth - 1), read);
    const QString msg = ExpectFailure(NestedChain(CArchive::kMaxObjectDepth + 500),
                                      CArchiveException::BadFormat, read);
    EXPECT_TRUE(msg.contains(QStringLiteral("nested"))) << msg.toStdString();
}

TEST_F(ArchiveTest, ArchiveFileKeepsTheOldFileWhenAWriteFails)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.bin"));
    QString error;
    ASSERT_TRUE(WriteArchiveFile(path, error, [](CArchive &ar) { ar.WriteString("first"); }));

    // The writer fails halfway: a class that could not be read back is not
    // stored, and the reason names it.
    CUnregisteredNode stray;
    EXPECT_FALSE(WriteArchiveFile(path, error, [&](CArchive &ar) {
        ar.WriteString("second");
        ar.WriteObject(&stray);
    }));
    EXPECT_TRUE(error.contains(QStringLiteral("CUnregisteredNode"))) << error.toStdString();

    QString read;
    ASSERT_TRUE(ReadArchiveFile(path, error, [&](CArchive &ar) { read = ar.ReadString(); }));
    EXPECT_EQ(read, QStringLiteral("first"));

    // Damaged or missing files come back as a reason, not an exception.
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("\x09") + "ab"); // a string that announces nine bytes, holds two
    f.close();
    error.clear();
    EXPECT_FALSE(ReadArchiveFile(path, error, [&](CArchive &ar) { read = ar.ReadString(); }));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_FALSE(ReadArchiveFile(dir.filePath(QStringLiteral("none")), error,
                                 [&](CArchive &ar) { read = ar.ReadString(); }));
    EXPECT_FALSE(error.isEmpty());

    // A device that refuses the bytes is reported.
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    CArchive ar(&f, CArchive::store);
    EXPECT_THROW(ar.WriteDWORD(1), CArchiveException);
}

} // namespace
