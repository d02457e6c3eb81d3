#include "javamodel/ParseCommand.h"

#include "javamodel/FileObject.h"
#include "javamodel/JavaParser.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarImport.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarLocalClass.h"
#include "javamodel/VarMethod.h"
#include "javamodel/VarPackage.h"
#include "javamodel/Variable.h"

#include <QThread>
#include <algorithm>
#include <charconv>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// A listing is handed on in pieces of about this size.
constexpr size_t kChunkSize = 64 * 1024;

// Appends the UTF-8 form of s. Names and descriptions are nearly always
// ASCII, which is copied as it is; the rest goes through Qt's encoder.
void AppendUtf8(std::string &out, const QString &s)
{
    const QChar *p = s.constData();
    const qsizetype n = s.size();
    qsizetype i = 0;
    const size_t start = out.size();
    out.resize(start + size_t(n));
    char *dst = out.data() + start;
    for (; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c >= 0x80)
            break;
        dst[i] = char(c);
    }
    if (i == n)
        return;
    out.resize(start + size_t(i));
    const QByteArray rest = QStringView(p + i, n - i).toUtf8();
    out.append(rest.constData(), size_t(rest.size()));
}

void AppendNumber(std::string &out, int n)
{
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, n);
    out.append(digits, size_t(result.ptr - digits));
}

struct Item
{
    const CVarObject *element;
    const char *kind;
    bool isType; // its members follow it
};

void SortBySource(std::vector<Item> &items)
{
    std::stable_sort(items.begin(), items.end(), [](const Item &a, const Item &b) {
        if (a.element->m_startLine != b.element->m_startLine)
            return a.element->m_startLine < b.element->m_startLine;
        return a.element->m_namePos < b.element->m_namePos;
    });
}

// Walks a parse result depth first without recursion: a type's members are
// a frame of their own on an explicit stack, and the chain of enclosing
// names is one string that grows by a name on the way in and is cut back on
// the way out, so that neither the stack nor the memory grows with the
// square of the depth.
class CListingWriter
{
public:
    CListingWriter(std::string_view path, std::string &out,
                   const std::function<void(std::string &)> &flush)
        : m_path(path), m_out(out), m_flush(flush)
    {
    }

    void File(const CFileObject &file)
    {
        Frame top;
        if (file.m_package)
            top.items.push_back({file.m_package, "package", false});
        for (const CVarImport *i : file.m_imports)
            top.items.push_back({i, "import", false});
        for (const CVarClass *c : file.m_classes)
            top.items.push_back({c, "class", true});
        for (const CVarInterface *i : file.m_interfaces)
            top.items.push_back({i, "interface", true});
        SortBySource(top.items);
        m_frames.push_back(std::move(top));
        Run();
    }

private:
    struct Frame
    {
        std::vector<Item> items;
        size_t next = 0;
        size_t chainLength = 0; // the enclosing chain of the items
    };

    void Run()
    {
        while (!m_frames.empty()) {
            Frame &frame = m_frames.back();
            if (frame.next == frame.items.size()) {
                m_frames.pop_back();
                continue;
            }
            const Item item = frame.items[frame.next++];
            const size_t chainLength = frame.chainLength;
            m_chain.resize(chainLength);
            Line(item);
            if (item.isType) {
                const auto *type = static_cast<const CVarContainer *>(item.element);
                if (!m_chain.empty())
                    m_chain += '.';
                AppendUtf8(m_chain, type->m_name);
                PushMembers(type);
            } else if (const auto *method = dynamic_cast<const CVarMethod *>(item.element)) {
                if (!method->m_localClasses.isEmpty()) {
                    Frame locals;
                    locals.chainLength = chainLength;
                    for (const CVarClass *c : method->m_localClasses)
                        locals.items.push_back({c, "local-class", true});
                    SortBySource(locals.items);
                    m_frames.push_back(std::move(locals));
                }
            }
        }
    }

    void PushMembers(const CVarContainer *type)
    {
        Frame members;
        members.chainLength = m_chain.size();
        for (const CVarMethodDecl *m : type->m_methods)
            members.items.push_back({m, m->IsDeclaration() ? "method-decl" : "method", false});
        for (const CVariable *v : type->m_variables)
            members.items.push_back({v, "field", false});
        if (const QList<CVarClass *> *inner = type->InnerClasses()) {
            for (const CVarClass *c : *inner)
                members.items.push_back({c, "inner-class", true});
        }
        if (const QList<CVarInterface *> *inner = type->InnerInterfaces()) {
            for (const CVarInterface *i : *inner)
                members.items.push_back({i, "inner-interface", true});
        }
        if (members.items.empty())
            return;
        SortBySource(members.items);
        m_frames.push_back(std::move(members));
    }

    void Line(const Item &item)
    {
        const CVarObject *e = item.element;
        m_out.append(m_path);
        m_out += '\t';
        m_out.append(item.kind);
        m_out += '\t';
        AppendUtf8(m_out, e->m_name);
        m_out += '\t';
        m_out.append(m_chain);
        m_out += '\t';
        AppendNumber(m_out, e->m_startLine);
        m_out += '\t';
        AppendNumber(m_out, e->m_endLine);
        m_out += '\t';
        m_description.resize(0); // not every kind of element writes one
        e->GetDescription(m_description);
        AppendUtf8(m_out, m_description);
        m_out += '\n';
        if (m_flush && m_out.size() >= kChunkSize)
            m_flush(m_out);
    }

    const std::string_view m_path;
    std::string &m_out;
    const std::function<void(std::string &)> &m_flush;
    std::vector<Frame> m_frames;
    std::string m_chain;
    QString m_description;
};

// The bytes of one file, in a buffer that keeps its capacity from file to
// file (and is not cleared first: the reads fill it).
class CFileText
{
public:
    const char *Data() const { return m_data.get(); }
    size_t Size() const { return m_size; }

    // False when the file cannot be opened or read, a directory included.
    bool Read(const QByteArray &path)
    {
        m_size = 0;
        std::FILE *f = std::fopen(path.constData(), "rb");
        if (!f)
            return false;
        std::setvbuf(f, nullptr, _IONBF, 0); // read straight into the buffer
        for (;;) {
            if (m_capacity - m_size < kChunkSize)
                Grow();
            const size_t got = std::fread(m_data.get() + m_size, 1, m_capacity - m_size, f);
            m_size += got;
            if (got == 0)
                break;
        }
        const bool ok = !std::ferror(f);
        std::fclose(f);
        return ok;
    }

private:
    void Grow()
    {
        const size_t capacity = std::max(2 * m_capacity, 4 * kChunkSize);
        std::unique_ptr<char[]> data(new char[capacity]);
        if (m_size)
            std::memcpy(data.get(), m_data.get(), m_size);
        m_data = std::move(data);
        m_capacity = capacity;
    }

    std::unique_ptr<char[]> m_data;
    size_t m_capacity = 0;
    size_t m_size = 0;
};

// How one file went: when it could not be read or parsed, the line for the
// error stream.
struct FileResult
{
    std::string error;
    bool failed = false;
};

// Reads, parses and lists one file; the listing goes to out, through flush
// as it grows.
FileResult ListFile(const QByteArray &path, CFileText &text, std::string &out,
                    const std::function<void(std::string &)> &flush)
{
    FileResult result;
    if (!text.Read(path)) {
        result.error = "Error opening the file " + path.toStdString() + " for parsing !!!\n";
        result.failed = true;
        return result;
    }
    std::unique_ptr<CFileObject> parsed(CJavaParser::ParseBytes(text.Data(), text.Size(), false));
    if (!parsed) {
        result.error = "Error allocating memory for parsing !!!\n";
        result.failed = true;
        return result;
    }
    WriteParsedFile(std::string_view(path.constData(), size_t(path.size())), *parsed, out, flush);
    return result;
}

int RunOnOneThread(const QList<QByteArray> &files, const ParseOutput &out, const ParseOutput &err)
{
    int status = 0;
    bool writeFailed = false;
    CFileText text;
    std::string listing;
    listing.reserve(2 * kChunkSize);
    const std::function<void(std::string &)> flush = [&](std::string &bytes) {
        if (!writeFailed && !out(bytes))
            writeFailed = true;
        bytes.clear();
    };
    for (const QByteArray &path : files) {
        const FileResult result = ListFile(path, text, listing, flush);
        if (result.failed) {
            flush(listing); // keeps the error in its place among the listings
            err(result.error);
            status = 1;
        }
        if (writeFailed)
            return 1;
    }
    flush(listing);
    return writeFailed ? 1 : status;
}

// Several threads (this one among them) take the next file in turn and
// list it into a slot of its own. Whichever thread finds the slot of the
// file to be written next holding something writes it, and the slots after
// it that are complete, so no thread waits for another to write. A thread
// takes a file only a few files ahead of the one being written, and a
// thread whose file is not the one being written stops when its slot holds
// much, so memory stays bounded however large a listing grows.
class CParallelListing
{
public:
    CParallelListing(const QList<QByteArray> &files, int jobs, const ParseOutput &out,
                     const ParseOutput &err)
        : m_files(files), m_slots(size_t(files.size())), m_jobs(jobs), m_out(out), m_err(err)
    {
        m_pending.reserve(2 * kChunkSize);
    }

    int Run()
    {
        std::vector<std::thread> threads;
        threads.reserve(size_t(m_jobs - 1));
        for (int i = 1; i < m_jobs; ++i)
            threads.emplace_back([this] { Work(); });
        Work();
        for (std::thread &t : threads)
            t.join();
        if (!m_stop && !m_pending.empty() && !m_out(m_pending))
            m_status = 1;
        return m_status;
    }

private:
    struct Slot
    {
        std::vector<std::string> pieces;
        size_t queued = 0; // bytes in pieces
        std::string error;
        bool done = false;
        bool failed = false;
    };

    // Files in flight beyond the one being written.
    size_t Window() const { return size_t(m_jobs) * 16; }
    static constexpr size_t kSlotLimit = 8 * 1024 * 1024;

    void Work()
    {
        CFileText text;
        std::string listing;
        listing.reserve(2 * kChunkSize);
        for (;;) {
            size_t index;
            {
                std::unique_lock lock(m_mutex);
                m_wake.wait(lock, [this] {
                    return m_stop || m_next >= m_slots.size() || m_next < m_written + Window();
                });
                if (m_stop || m_next >= m_slots.size())
                    return;
                index = m_next++;
            }
            const std::function<void(std::string &)> flush = [&](std::string &bytes) {
                Hand(index, bytes);
            };
            FileResult result = ListFile(m_files[qsizetype(index)], text, listing, flush);
            std::unique_lock lock(m_mutex);
            Slot &slot = m_slots[index];
            if (!listing.empty()) {
                slot.queued += listing.size();
                slot.pieces.push_back(std::move(listing));
                listing = std::string();
                listing.reserve(2 * kChunkSize);
            }
            slot.error = std::move(result.error);
            slot.failed = result.failed;
            slot.done = true;
            if (index == m_written)
                WriteReady(lock);
        }
    }

    // A piece of the listing of file index, from its thread.
    void Hand(size_t index, std::string &bytes)
    {
        std::string piece;
        piece.reserve(2 * kChunkSize);
        piece.swap(bytes);
        std::unique_lock lock(m_mutex);
        if (m_stop)
            return;
        Slot &slot = m_slots[index];
        slot.queued += piece.size();
        slot.pieces.push_back(std::move(piece));
        if (index == m_written) {
            WriteReady(lock);
            return;
        }
        m_wake.wait(lock, [&] { return m_stop || index == m_written || slot.queued < kSlotLimit; });
    }

    // Writes what the slots hold from the one being written on, while
    // there is something; unless another thread does that already, which
    // then finds what was added meanwhile.
    void WriteReady(std::unique_lock<std::mutex> &lock)
    {
        if (m_writing)
            return;
        m_writing = true;
        std::vector<std::string> pieces;
        while (!m_stop && m_written < m_slots.size()) {
            Slot &slot = m_slots[m_written];
            if (slot.pieces.empty() && !slot.done)
                break;
            pieces.swap(slot.pieces);
            slot.queued = 0;
            const bool done = slot.done;
            const bool failed = slot.failed;
            std::string error = std::move(slot.error);
            lock.unlock();
            bool ok = true;
            for (const std::string &piece : pieces)
                ok = ok && Write(piece);
            pieces.clear();
            if (ok && failed) {
                // The error goes out in its place among the listings.
                ok = WritePending();
                m_err(error);
            }
            lock.lock();
            if (!ok || failed)
                m_status = 1;
            if (!ok) {
                m_stop = true;
                m_wake.notify_all();
                break;
            }
            if (done) {
                ++m_written;
                m_wake.notify_all();
            }
        }
        m_writing = false;
    }

    // Small listings are gathered into writes of some ten kilobytes.
    bool Write(const std::string &piece)
    {
        if (m_pending.size() + piece.size() > kChunkSize && !WritePending())
            return false;
        if (piece.size() >= kChunkSize)
            return m_out(piece);
        m_pending += piece;
        return true;
    }
    bool WritePending()
    {
        const bool ok = m_pending.empty() || m_out(m_pending);
        m_pending.clear();
        return ok;
    }

    const QList<QByteArray> &m_files;
    std::vector<Slot> m_slots;
    const int m_jobs;
    const ParseOutput &m_out;
    const ParseOutput &m_err;
    std::mutex m_mutex;
    std::condition_variable m_wake; // the file being written moved on, or stop
    size_t m_next = 0;              // the file the next thread takes
    size_t m_written = 0;           // the file being written
    bool m_writing = false;         // a thread writes; m_pending is its alone
    bool m_stop = false;
    int m_status = 0;
    std::string m_pending;
};

} // namespace

void WriteParsedFile(std::string_view path, const CFileObject &file, std::string &out,
                     const std::function<void(std::string &)> &flush)
{
    CListingWriter(path, out, flush).File(file);
}

int RunParseCommand(const QList<QByteArray> &files, int jobs, const ParseOutput &out,
                    const ParseOutput &err)
{
    if (jobs <= 0)
        jobs = QThread::idealThreadCount();
    jobs = int(std::min<qsizetype>(std::max(jobs, 1), files.size()));
    if (jobs <= 1)
        return RunOnOneThread(files, out, err);
    return CParallelListing(files, jobs, out, err).Run();
}
