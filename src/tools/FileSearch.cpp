#include "tools/FileSearch.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSaveFile>
#include <QStringDecoder>
#include <QThread>
#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

// Text goes out in batches: per line it would flood the event queue.
class CBatcher
{
public:
    explicit CBatcher(const CFileSearch::Sink &sink) : m_sink(sink) { m_timer.start(); }
    ~CBatcher() { Flush(); }
    void Add(const QString &text)
    {
        m_text += text;
        if (m_text.size() > 64 * 1024 || m_timer.elapsed() > 40)
            Flush();
    }
    void Flush()
    {
        if (!m_text.isEmpty())
            m_sink(m_text);
        m_text.clear();
        m_timer.restart();
    }

private:
    const CFileSearch::Sink &m_sink;
    QString m_text;
    QElapsedTimer m_timer;
};

bool IsWordByte(unsigned char c)
{
    return c == '_' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           c >= 0x80;
}

bool IsWordChar(QChar c)
{
    return c == QLatin1Char('_') || c.isLetterOrNumber();
}

bool IsAscii(const QString &s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// How often a long file looks at the stop flag.
constexpr qsizetype kStopCheckBytes = 1 << 20;
constexpr qsizetype kMaxLineText = 3000;

QString LineText(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (qsizetype(line.size()) > kMaxLineText)
        line = line.substr(0, kMaxLineText);
    return QString::fromUtf8(line.data(), qsizetype(line.size()));
}

// Searches one file's bytes. hay is what is matched (the bytes, or a folded
// copy with the same lines); orig gives the line texts shown.
bool SearchBytes(const QString &path, std::string_view orig, std::string_view hay,
                 std::string_view needle, bool wholeWord, CBatcher &out,
                 const std::atomic<bool> &stop)
{
    qsizetype origLineStart = 0;
    int line = 1;
    qsizetype counted = 0; // hay position up to which newlines are counted
    qsizetype nextStopCheck = kStopCheckBytes;
    qsizetype pos = 0;
    while (true) {
        // glibc's memmem is much faster than a first-character scan.
        const void *hit =
            ::memmem(hay.data() + pos, hay.size() - size_t(pos), needle.data(), needle.size());
        if (!hit)
            return true;
        const qsizetype p = static_cast<const char *>(hit) - hay.data();
        if (p >= nextStopCheck) {
            if (stop.load(std::memory_order_relaxed))
                return false;
            nextStopCheck = p + kStopCheckBytes;
        }
        pos = p + 1;
        if (wholeWord) {
            const qsizetype end = p + qsizetype(needle.size());
            if ((p > 0 && IsWordByte(uchar(hay[size_t(p - 1)]))) ||
                (end < qsizetype(hay.size()) && IsWordByte(uchar(hay[size_t(end)]))))
                continue;
        }
        // Advance the line count (in hay and in orig alike) to p.
        while (true) {
            const size_t nl = hay.find('\n', size_t(counted));
            if (nl == std::string_view::npos || qsizetype(nl) >= p)
                break;
            counted = qsizetype(nl) + 1;
            ++line;
            const size_t onl = orig.find('\n', size_t(origLineStart));
            origLineStart =
                onl == std::string_view::npos ? qsizetype(orig.size()) : qsizetype(onl) + 1;
        }
        const size_t origEnd = orig.find('\n', size_t(origLineStart));
        const std::string_view text =
            orig.substr(size_t(origLineStart), origEnd == std::string_view::npos
                                                   ? std::string_view::npos
                                                   : origEnd - size_t(origLineStart));
        out.Add(CFileSearch::ResultLine(path, line, LineText(text)));
    }
}

// Buffers kept from file to file: most files fit the ones already there.
struct CSearchBuffers
{
    QByteArray bytes;
    QByteArray folded;
};

bool SearchFile(const QString &path, const CSearchRequest &req, CBatcher &out,
                const std::atomic<bool> &stop, CSearchBuffers &buffers)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        // Missing files are passed over without a word.
        if (QFileInfo(path).isFile())
            out.Add(CFileSearch::OpenErrorText(path));
        return true;
    }
    QByteArray &bytes = buffers.bytes;
    bytes.resize(file.size());
    const qint64 got = file.read(bytes.data(), bytes.size());
    if (got < 0) {
        out.Add(CFileSearch::OpenErrorText(path));
        return true;
    }
    bytes.truncate(got);
    if (bytes.isEmpty())
        return true;
    const std::string_view orig(bytes.constData(), size_t(bytes.size()));
    if (req.matchCase) {
        const QByteArray needle = req.find.toUtf8();
        return SearchBytes(path, orig, orig, std::string_view(needle.constData(), needle.size()),
                           req.wholeWord, out, stop);
    }
    if (IsAscii(req.find)) {
        // ASCII letters folded in a copy; every other byte stays, so the
        // copy has the original's lines at the same places.
        QByteArray &folded = buffers.folded;
        folded.resize(bytes.size());
        const char *from = bytes.constData();
        char *to = folded.data();
        for (qsizetype i = 0, n = bytes.size(); i < n; ++i) {
            const char c = from[i];
            to[i] = (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
        }
        const QByteArray needle = req.find.toLower().toUtf8();
        return SearchBytes(path, orig, std::string_view(folded.constData(), folded.size()),
                           std::string_view(needle.constData(), needle.size()), req.wholeWord, out,
                           stop);
    }
    // Other letters fold by Unicode's rules; the folded text keeps its lines.
    const QByteArray folded = QString::fromUtf8(bytes).toLower().toUtf8();
    const QByteArray needle = req.find.toLower().toUtf8();
    return SearchBytes(path, orig, std::string_view(folded.constData(), folded.size()),
                       std::string_view(needle.constData(), needle.size()), req.wholeWord, out,
                       stop);
}

// The text of a file, and whether it was UTF-8 (else Latin-1, which gives
// every byte back unchanged when written again).
QString Decode(const QByteArray &bytes, bool &utf8)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    utf8 = !decoder.hasError();
    if (!utf8)
        text = QString::fromLatin1(bytes);
    return text;
}

bool ReplaceInFile(const QString &path, const CSearchRequest &req, CBatcher &out,
                   const std::atomic<bool> &stop, const CFileSearch::Hooks &hooks)
{
    if (!QFileInfo(path).isFile())
        return true;
    // The file's own read-only mark, whoever we run as.
    const QFileInfo info(path);
    if (!(info.permissions() & QFileDevice::WriteOwner)) {
        out.Add(CFileSearch::ReadOnlyText(path));
        return true;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out.Add(CFileSearch::OpenErrorText(path));
        return true;
    }
    const QDateTime stamp = QFileInfo(path).lastModified();
    const QByteArray bytes = file.readAll();
    file.close();
    if (bytes.isEmpty())
        return true;
    bool utf8 = true;
    const QString text = Decode(bytes, utf8);
    const Qt::CaseSensitivity cs = req.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;

    QString result;
    result.reserve(text.size());
    qsizetype copied = 0; // text before this is in result
    qsizetype lineStartInResult = 0;
    int line = 1;
    int hits = 0;
    qsizetype pos = 0;
    auto copyTo = [&](qsizetype p) {
        for (qsizetype i = copied; i < p; ++i) {
            if (text.at(i) == QLatin1Char('\n')) {
                ++line;
                lineStartInResult = result.size() + (i - copied) + 1;
            }
        }
        result += QStringView(text).mid(copied, p - copied);
        copied = p;
    };
    while (true) {
        if (stop.load(std::memory_order_relaxed))
            return false;
        const qsizetype p = text.indexOf(req.find, pos, cs);
        if (p < 0)
            break;
        const qsizetype end = p + req.find.size();
        if (req.wholeWord && ((p > 0 && IsWordChar(text.at(p - 1))) ||
                              (end < text.size() && IsWordChar(text.at(end))))) {
            pos = p + 1;
            continue;
        }
        copyTo(p);
        // The line as it reads before this replacement.
        qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), p);
        if (lineEnd < 0)
            lineEnd = text.size();
        QString current = result.mid(lineStartInResult) + text.mid(p, lineEnd - p);
        if (current.endsWith(QLatin1Char('\r')))
            current.chop(1);
        out.Add(CFileSearch::ResultLine(path, line, current.left(kMaxLineText)));
        result += req.replace;
        for (QChar c : req.replace) {
            if (c == QLatin1Char('\n'))
                ++line;
        }
        if (req.replace.contains(QLatin1Char('\n')))
            lineStartInResult = result.lastIndexOf(QLatin1Char('\n')) + 1;
        copied = end;
        // The search goes on after the inserted text, never inside it.
        pos = end;
        ++hits;
    }
    if (hits == 0)
        return true;
    copyTo(text.size());

    if (hooks.beforeWrite)
        hooks.beforeWrite(path);
    const QFileInfo now(path);
    if (now.lastModified() != stamp || now.size() != bytes.size()) {
        out.Add(CFileSearch::ChangedOnDiskText(path));
        return true;
    }
    QSaveFile save(path);
    const QByteArray data = utf8 ? result.toUtf8() : result.toLatin1();
    if (!save.open(QIODevice::WriteOnly) || save.write(data) != data.size() || !save.commit())
        out.Add(CFileSearch::WriteErrorText(path, save.errorString()));
    return true;
}

} // namespace

QString CFileSearch::ResultLine(const QString &path, int line, const QString &text)
{
    return path + QLatin1Char(':') + QString::number(line) + QStringLiteral(":  ") + text +
           QLatin1Char('\n');
}

QString CFileSearch::ReadOnlyText(const QString &path)
{
    return QStringLiteral("File %1 is Read Only\n").arg(path);
}

QString CFileSearch::OpenErrorText(const QString &path)
{
    return QStringLiteral("Error opening the file %1 for parsing !!!\n").arg(path);
}

QString CFileSearch::ChangedOnDiskText(const QString &path)
{
    return QStringLiteral("File %1 was changed on disk while replacing: not replaced\n").arg(path);
}

QString CFileSearch::WriteErrorText(const QString &path, const QString &reason)
{
    return QStringLiteral("File %1 could not be written (%2): left unchanged\n").arg(path, reason);
}

bool CFileSearch::Run(const CSearchRequest &req, const Sink &sink, const std::atomic<bool> &stop,
                      const Hooks &hooks)
{
    CBatcher out(sink);
    out.Add(req.mode == CSearchRequest::Replace ? QStringLiteral("Wait, Replacing...\n")
                                                : QStringLiteral("Wait, Searching...\n"));
    out.Flush();
    bool completed = true;
    CSearchBuffers buffers;
    for (int i = 0; i < req.files.size(); ++i) {
        if (stop.load()) {
            completed = false;
            break;
        }
        const QString &path = req.files.at(i);
        if (req.find.isEmpty())
            continue;
        const bool whole = req.mode == CSearchRequest::Replace
                               ? ReplaceInFile(path, req, out, stop, hooks)
                               : SearchFile(path, req, out, stop, buffers);
        if (!whole) {
            completed = false;
            break;
        }
        if (hooks.afterFile)
            hooks.afterFile(i);
    }
    out.Add(completed ? QStringLiteral("Done...\n") : QStringLiteral("Aborted...\n"));
    return completed;
}

CFileSearch::CFileSearch(QObject *parent) : QObject(parent)
{
}

CFileSearch::~CFileSearch()
{
    m_stop = true;
    if (m_thread)
        m_thread->wait();
}

void CFileSearch::Deliver(const QString &text)
{
    emit output(text);
}

bool CFileSearch::Start(const CSearchRequest &request)
{
    if (m_running)
        return false;
    if (m_thread)
        m_thread->wait();
    m_stop = false;
    m_running = true;
    m_thread.reset(QThread::create([this, request] {
        const bool done = Run(
            request,
            [this](const QString &text) {
                QMetaObject::invokeMethod(
                    this, [this, text] { Deliver(text); }, Qt::QueuedConnection);
            },
            m_stop);
        QMetaObject::invokeMethod(
            this,
            [this, done] {
                m_running = false;
                emit finished(!done);
            },
            Qt::QueuedConnection);
    }));
    m_thread->start();
    return true;
}

void CFileSearch::Stop()
{
    m_stop = true;
}
