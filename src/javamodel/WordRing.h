#pragma once

#include <array>
#include <string>
#include <string_view>

// The last words of code the recogniser saw, with their positions and word
// kinds. An element reads them when a significant delimiter tells it what
// they were (a type and a name, modifiers, a class header).
//
// A hundred slots are made once; a push copies the word into a slot whose
// string keeps its capacity, so pushing allocates nothing once the slots
// have seen words of that length. After a hundred pushes without a reset the
// ring wraps: the next word overwrites slot 0, and readers, which take the
// slots in index order, then see all hundred slots in index order.
class CWordRing
{
public:
    static constexpr int kSize = 100;

    void Push(std::string_view word, int pos, int kind)
    {
        if (word.empty())
            return; // an empty slot would end the words readers see
        if (m_count == kSize)
            m_count = 0;
        Entry &e = m_entries[size_t(m_count++)];
        e.text.assign(word.data(), word.size());
        e.pos = pos;
        e.kind = kind;
        if (m_used < m_count)
            m_used = m_count;
    }
    void Reset()
    {
        m_count = 0;
        m_used = 0;
    }

    // Number of words in use; readers take slots 0 .. InUse()-1.
    int InUse() const { return m_used; }
    std::string_view Word(int i) const { return m_entries[size_t(i)].text; }
    int Position(int i) const { return m_entries[size_t(i)].pos; }
    int Kind(int i) const { return m_entries[size_t(i)].kind; }
    int FirstPosition() const { return m_used ? m_entries[0].pos : 0; }

    // Index of the first word equal to w, -1 if none.
    int Find(std::string_view w) const
    {
        for (int i = 0; i < m_used; ++i) {
            if (m_entries[size_t(i)].text == w)
                return i;
        }
        return -1;
    }
    // Index of the word pushed last, -1 when the ring is empty.
    int LastIndex() const { return m_count > 0 ? m_count - 1 : -1; }
    // Glues text to the word at i (type arguments, varargs dots).
    void Append(int i, std::string_view text) { m_entries[size_t(i)].text.append(text); }

private:
    struct Entry
    {
        std::string text;
        int pos = 0;
        int kind = 0;
    };
    std::array<Entry, kSize> m_entries;
    int m_count = 0; // next slot to write
    int m_used = 0;  // slots that hold words since the last reset
};
