#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <string>
#include <string_view>

// The last words of code the recogniser saw, with their positions and word
// kinds. An element reads them when a significant delimiter tells it what
// they were (a type and a name, modifiers, a class header).
//
// A slot refers to its word where it stands in the source text, so a push
// copies nothing. Words that were glued together (a type and its type
// arguments, varargs dots) or that come from elsewhere live in one text
// buffer of the ring, which keeps its capacity across resets: after the
// first few declarations nothing is allocated any more.
//
// After a hundred pushes without a reset the ring wraps: the next word
// overwrites slot 0, and readers, which take the slots in index order, then
// see all hundred slots in index order.
class CWordRing
{
public:
    static constexpr int kSize = 100;

    CWordRing() { m_text.reserve(256); }

    // word must stay valid until the ring is reset (a view into the text
    // being parsed, or a literal).
    void Push(std::string_view word, int pos, int kind)
    {
        if (word.empty())
            return; // an empty slot would end the words readers see
        Entry &e = Next();
        e.data = word.data();
        e.offset = -1;
        e.length = int(word.size());
        e.pos = pos;
        e.kind = kind;
    }
    // Pushes a copy of word (for words that do not outlive the call).
    void PushCopy(std::string_view word, int pos, int kind)
    {
        if (word.empty())
            return;
        Entry &e = Next();
        e.offset = int(m_text.size());
        m_text.append(word);
        e.length = int(word.size());
        e.pos = pos;
        e.kind = kind;
    }
    // Pushes a word the caller holds as a QString already (the type of one
    // declarator, for the next one of "T a, b, c"): a reader that wants the
    // word as a QString gets that very string back from SharedText, so every
    // declarator shares one type text, and its UTF-8 form is made once
    // however many declarators push it.
    void PushShared(const QString &text, int pos, int kind)
    {
        if (text.isEmpty())
            return;
        if (!text.isSharedWith(m_sharedText)) {
            KeepSharedWords();
            m_sharedText = text;
            m_sharedUtf8 = text.toUtf8();
        }
        Push(std::string_view(m_sharedUtf8.constData(), size_t(m_sharedUtf8.size())), pos, kind);
    }
    // The string word i was pushed with through PushShared, as long as
    // nothing was glued to it since; null for any other word.
    const QString *SharedText(int i) const
    {
        const Entry &e = m_entries[size_t(i)];
        if (e.offset >= 0 || e.length == 0 || e.data != m_sharedUtf8.constData())
            return nullptr;
        return &m_sharedText;
    }

    void Reset()
    {
        m_count = 0;
        m_used = 0;
        m_text.clear();
    }

    // Number of words in use; readers take slots 0 .. InUse()-1.
    int InUse() const { return m_used; }
    std::string_view Word(int i) const
    {
        const Entry &e = m_entries[size_t(i)];
        return {e.offset < 0 ? e.data : m_text.data() + e.offset, size_t(e.length)};
    }
    int Position(int i) const { return m_entries[size_t(i)].pos; }
    int Kind(int i) const { return m_entries[size_t(i)].kind; }
    int FirstPosition() const { return m_used ? m_entries[0].pos : 0; }

    // Index of the first word equal to w, -1 if none.
    int Find(std::string_view w) const
    {
        for (int i = 0; i < m_used; ++i) {
            if (Word(i) == w)
                return i;
        }
        return -1;
    }
    // Index of the word pushed last, -1 when the ring is empty.
    int LastIndex() const { return m_count > 0 ? m_count - 1 : -1; }
    // Glues text to the word at i (type arguments, varargs dots).
    void Append(int i, std::string_view text)
    {
        Entry &e = m_entries[size_t(i)];
        if (e.offset < 0 || e.offset + e.length != int(m_text.size())) {
            // Move the word to the end of the buffer, where it can grow.
            const std::string_view word = Word(i);
            const int offset = int(m_text.size());
            if (e.offset < 0) {
                m_text.append(word);
            } else {
                const std::string copy(word);
                m_text.append(copy);
            }
            e.offset = offset;
        }
        m_text.append(text);
        e.length += int(text.size());
    }

private:
    struct Entry
    {
        const char *data = nullptr;
        int offset = -1; // into m_text, -1 when data points at the word
        int length = 0;
        int pos = 0;
        int kind = 0;
    };
    // Slots that still show the shared word get their own copy of it
    // before the word is replaced.
    void KeepSharedWords()
    {
        for (int i = 0; i < m_used; ++i) {
            Entry &e = m_entries[size_t(i)];
            if (e.offset < 0 && e.length > 0 && e.data == m_sharedUtf8.constData()) {
                e.offset = int(m_text.size());
                m_text.append(e.data, size_t(e.length));
            }
        }
    }
    Entry &Next()
    {
        if (m_count == kSize)
            m_count = 0;
        Entry &e = m_entries[size_t(m_count++)];
        if (m_used < m_count)
            m_used = m_count;
        return e;
    }

    std::array<Entry, kSize> m_entries;
    std::string m_text;
    QString m_sharedText;
    QByteArray m_sharedUtf8;
    int m_count = 0; // next slot to write
    int m_used = 0;  // slots that hold words since the last reset
};
