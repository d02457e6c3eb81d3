#include "javamodel/ElementConverter.h"

#include "core/Prompter.h"
#include "editor/StreamBuffer.h"
#include "editor/TextFormat.h"
#include "javamodel/JavaNames.h"
#include "javamodel/VarObject.h"

#include <new>

namespace {

using CharTable = std::array<unsigned char, 256>;

void FillCharTable(const CLanguage &language, CharTable &table, unsigned char word,
                   unsigned char quiet, unsigned char blank, unsigned char punct)
{
    for (int c = 0; c < 256; ++c) {
        if (!language.IsDelimiter(char(c))) {
            table[size_t(c)] = (c == '.' || c == '*' || c == '$') ? quiet : word;
        } else {
            const CLanguage::CharClass cls = language.ClassOf(static_cast<unsigned char>(c));
            table[size_t(c)] =
                (cls == CLanguage::Blank || cls == CLanguage::LineEnd) ? blank : punct;
        }
    }
}

} // namespace

CElementConverter::CElementConverter(const CStreamBuffer &buffer, const CLanguage &language)
    : CConvertData(language), m_buffer(buffer)
{
    // Java's table is made once: a parser is made for every file.
    if (&language == &CLanguage::m_JavaLanguage) {
        static const CharTable java = [] {
            CharTable t{};
            FillCharTable(CLanguage::m_JavaLanguage, t, kWordChar, kQuietWordChar, kBlank, kPunct);
            return t;
        }();
        m_charClass = java;
    } else {
        FillCharTable(language, m_charClass, kWordChar, kQuietWordChar, kBlank, kPunct);
    }
}

CElementConverter::~CElementConverter()
{
    EndOfInput();
}

void CElementConverter::EndOfInput()
{
    if (m_ended)
        return;
    m_ended = true;
    if (m_current && !m_delivered && m_pending)
        Give(m_pending);
    // Elements cut off by the end of the text keep what they read, in
    // order, and no pointer to a parser that is about to go.
    for (CVarObject *e : m_chain) {
        e->m_parser = nullptr;
        e->ReadingEnded();
    }
    m_chain.clear();
}

bool CElementConverter::IsBlankText(int from, int to) const
{
    const char *text = m_buffer.GetText();
    if (from < 0 || to > m_buffer.GetLength())
        return false;
    for (int i = from; i < to; ++i) {
        if (m_charClass[static_cast<unsigned char>(text[i])] != kBlank)
            return false;
    }
    return true;
}

void CElementConverter::OnBlockCommentStart(int)
{
}

void CElementConverter::OnBlockCommentEnd()
{
}

void CElementConverter::OnElementFinished(CVarObject *)
{
}

void CElementConverter::SetCurrent(CVarObject *e)
{
    m_current = e;
    m_chain.assign(1, e);
    // A delimiter that came before the element's first word is not the
    // element's; one that ends that word (no blank between) is.
    if (m_delimiterBeforeWord)
        m_delivered = 1;
}

int CElementConverter::IsStartOfPattern(const char *text, int pos, int length)
{
    const int id = CConvertData::IsStartOfPattern(text, pos, length);
    if (id) {
        if (!m_commentOpen && text[pos] == '/' && pos + 1 < length && text[pos + 1] == '*') {
            m_commentOpen = true;
            OnBlockCommentStart(m_line + 1);
        }
        // A pattern separates words as a blank does: no word ends at the
        // next delimiter because of anything inside it.
        m_prev = ' ';
    }
    return id;
}

int CElementConverter::IsEndOfPattern(const CTextFormat *fmt, const char *text, int pos, int length)
{
    const int end = CConvertData::IsEndOfPattern(fmt, text, pos, length);
    if (m_commentOpen && end && fmt == &CTextFormat::m_BlockCommentTxt) {
        m_commentOpen = false;
        OnBlockCommentEnd();
    }
    return end;
}

int CElementConverter::OnLineEnd()
{
    ++m_line;
    m_prev = 13;
    return 1;
}

void CElementConverter::Give(char c)
{
    // The innermost element answers for c; while one finishes, the one
    // around it takes it over and answers in its place.
    size_t level = m_chain.size() - 1;
    bool more = false;
    try {
        if (level > 0) {
            CVarObject *parent = m_chain[level - 1];
            parent->BeforeChildChar(c);
            m_chain[level] = parent->ReadingChild();
        }
        more = m_chain[level]->ParseChar(c);
        while (!more && level > 0) {
            --level;
            more = m_chain[level]->ChildEnded(c);
        }
    } catch (const std::bad_alloc &) {
        // The declaration being read is given up; what it read so far stays.
        Prompter().MessageBox(QStringLiteral("Memory error parsing the file !!!"), CPrompter::Ok);
        level = 0;
        more = false;
    }
    if (!more) {
        CVarObject *e = m_current;
        m_current = nullptr;
        m_chain.clear();
        // Whatever the element left in the ring belongs to it, not to the
        // next top-level declaration.
        m_ring.Reset();
        e->ReadingEnded();
        OnElementFinished(e);
        return;
    }
    // Elements that began with c (a member, a nested class) are read next.
    m_chain.resize(level + 1);
    for (CVarObject *child = m_chain.back()->ReadingChild(); child; child = child->ReadingChild())
        m_chain.push_back(child);
}

void CElementConverter::Deliver()
{
    if (m_current && !m_delivered)
        Give(m_pending);
}

int CElementConverter::Delimiter(char c, int pos)
{
    const bool blank = m_charClass[static_cast<unsigned char>(c)] == kBlank;
    if (m_filter != kNoFilter && Filtered(c, pos, blank))
        return 1;
    if (!blank) {
        if (c == '@') {
            // An annotation: its name and arguments never reach the elements.
            m_filter = kAtName;
            m_suppressFrom = pos;
            m_suppressTo = INT_MAX;
            m_lastDelimiterPos = pos;
            return 1;
        }
        Deliver();
        if (c == '<' && m_current && m_chain.back()->WantsTypeArguments()) {
            m_delivered = 1;
            m_filter = kTypeArguments;
            m_filterDepth = 1;
            m_filterParens = 0;
            m_filterStart = pos;
            m_suppressFrom = pos;
            m_suppressTo = INT_MAX;
            // The arguments belong to the word right before the '<'.
            m_anchorWord = m_prev == 0 || m_lastWasWord;
            return 1;
        }
        m_pending = c;
        m_pendingLine = m_line;
        m_position = pos;
        m_delivered = 0;
        // No word ends at this delimiter unless a word character came right
        // before it; then the word event that follows pushes that word first.
        m_delimiterBeforeWord = m_prev != 0;
        m_lastWasWord = false;
    }
    m_prev = c;
    return 1;
}

bool CElementConverter::Filtered(char c, int pos, bool blank)
{
    switch (m_filter) {
    case kNoFilter:
        return false;
    case kAtName: {
        const bool nameSeen = pos > m_lastDelimiterPos + 1;
        m_lastDelimiterPos = pos;
        if (!nameSeen) {
            if (blank)
                return true; // "@ Name"
            m_filter = kNoFilter;
            m_suppressTo = pos;
            return false;
        }
        m_prev = '@'; // the word that ends here is the annotation's
        if (c == '(') {
            m_filter = kAtArguments;
            m_filterDepth = 1;
            return true;
        }
        m_suppressTo = pos; // the name, whose word event comes next, stays out
        if (blank) {
            m_filter = kAtAfterName;
            return false;
        }
        m_filter = kNoFilter;
        return false;
    }
    case kAtAfterName:
        if (pos > m_lastDelimiterPos + 1) {
            m_filter = kNoFilter; // a word came: the annotation had no arguments
            return false;
        }
        m_lastDelimiterPos = pos;
        if (blank)
            return false;
        if (c == '(') {
            m_filter = kAtArguments;
            m_filterDepth = 1;
            m_suppressTo = INT_MAX;
            return true;
        }
        m_filter = kNoFilter;
        return false;
    case kAtArguments:
        if (c == '(') {
            ++m_filterDepth;
        } else if (c == ')' && --m_filterDepth == 0) {
            m_filter = kNoFilter;
            m_suppressTo = pos;
            m_prev = ')';
        }
        return true;
    case kTypeArguments:
        if (c == '<') {
            ++m_filterDepth;
        } else if (c == '>') {
            if (--m_filterDepth == 0)
                EndTypeArguments(pos);
        } else if (c == '(') {
            ++m_filterParens;
        } else if (c == ')' && m_filterParens > 0) {
            --m_filterParens;
        } else if (m_filterParens == 0 &&
                   (c == '{' || c == '}' || c == ';' || c == '=' || c == ')')) {
            // Not type arguments after all (a comparison): give up on them
            // and read this delimiter as usual.
            m_filter = kNoFilter;
            m_suppressTo = pos;
            m_prev = '<';
            return false;
        }
        return true;
    }
    return false;
}

void CElementConverter::EndTypeArguments(int pos)
{
    m_filter = kNoFilter;
    m_suppressTo = pos;
    m_typeArgsClosedAt = pos;
    // After the closing '>' no word is pending: the next delimiter ends none.
    m_prev = '>';
    const int last = m_ring.LastIndex();
    if (!m_anchorWord || last < 0 || m_ring.Kind(last) == CLanguage::Keyword)
        return; // type parameters of a generic method ("public <T> T f()")
    m_scratch.clear();
    JavaNames::AppendTypeText(m_buffer.GetText(), m_filterStart, pos + 1, m_scratch);
    m_ring.Append(last, m_scratch);
    m_lastWasWord = true;
}

void CElementConverter::PushWord(std::string_view word, int pos, int kind)
{
    // Varargs written without a blank ("Object...args") arrive as one word:
    // the dots belong to the type, the rest is the parameter's name.
    if (const size_t dots = word.find("...");
        dots != std::string_view::npos && dots > 0 && dots + 3 < word.size()) {
        PushWord(word.substr(0, dots + 3), pos, kind);
        PushWord(word.substr(dots + 3), pos + int(dots + 3), CLanguage::None);
        return;
    }
    const int lastWordEnd = m_lastWordEnd;
    const bool lastEndsWithDot = m_lastEndsWithDot;
    m_lastWordEnd = pos + int(word.size());
    m_lastEndsWithDot = word.back() == '.';
    if (lastEndsWithDot || word[0] == '.') {
        const int last = m_ring.LastIndex();
        if (last >= 0 && GlueToLastWord(last, word, pos, lastWordEnd))
            return;
    }
    m_ring.Push(word, pos, kind);
}

bool CElementConverter::GlueToLastWord(int last, std::string_view &word, int &pos, int lastWordEnd)
{
    const std::string_view previous = m_ring.Word(last);
    // A qualified name broken after its '.' ("JFormattedTextField.\n
    // AbstractFormatter") is still one name; "String... args" is not.
    if (previous.size() >= 2 && previous.back() == '.' && previous[previous.size() - 2] != '.' &&
        lastWordEnd > 0 && IsBlankText(lastWordEnd, pos)) {
        m_ring.Append(last, word);
        return true;
    }
    if (word[0] != '.')
        return false;
    if (word.size() >= 3 && word.substr(0, 3) == "...") {
        // varargs written apart ("String ... args") or after type arguments
        // ("Class<?>...cs")
        m_ring.Append(last, "...");
        word.remove_prefix(3);
        pos += 3;
        return word.empty();
    }
    if (pos == m_typeArgsClosedAt + 1) {
        m_ring.Append(last, word); // Outer<T>.Inner
        return true;
    }
    return false;
}

int CElementConverter::OnWord(std::string_view word, int pos, int kind, int)
{
    if (pos > m_suppressFrom && pos < m_suppressTo) {
        // "@interface" declares an annotation type: its keyword is no
        // annotation name.
        if (m_filter != kAtArguments && m_filter != kTypeArguments && word == "interface") {
            m_filter = kNoFilter;
            m_suppressTo = pos;
            m_annotationType = true;
        } else {
            return 0;
        }
    } else {
        m_annotationType = false;
    }

    if (m_pending == ')' && (m_prev == ' ' || m_prev == '\t'))
        m_delimiterBeforeWord = 1;
    bool pushed = false;
    if (!m_delimiterBeforeWord) {
        PushWord(word, pos, kind);
        pushed = true;
    }
    if (m_current && !m_delivered) {
        Give(m_pending);
        m_pending = 0;
        m_pendingLine = 0;
        m_delimiterBeforeWord = 0;
        m_delivered = 1;
    }
    if (!pushed)
        PushWord(word, pos, kind);
    m_lastWasWord = true;
    if (!m_current)
        OnTopLevelWord(word, pos, kind);
    return 0;
}
