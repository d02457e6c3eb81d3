#pragma once

#include "editor/ConvertData.h"
#include "editor/Language.h"
#include "javamodel/WordRing.h"

#include <array>
#include <climits>
#include <vector>

class CStreamBuffer;
class CVarObject;

// The event machinery that the Java recogniser shares with the other
// recognisers built on the scanner (the bean converter): it sees only
// delimiters and words, keeps the last words in a ring, and hands each
// significant delimiter to the element being read, which decides what the
// words since the last one meant.
//
// A delimiter reaches the element once the word that it ends (if any) is in
// the ring and before the word after it is: the word event delivers it when
// the delimiter ended that word, otherwise the next delimiter or word does.
//
// Two things of today's Java are taken out of the event stream before the
// elements see it, because words and delimiters alone would misread them:
// annotations (with their arguments) vanish, and a '<' in a declaration
// header glues the whole type argument list to the word before it, so that
// "Map<String, List<Integer>>" is one ring word.
//
// Elements nest (members in classes, local classes in methods, classes in
// classes) as deep as the text does. The converter keeps the chain of the
// elements being read and gives each delimiter to the innermost; when that
// one finishes, the one around it is told (ChildEnded), and so on outwards
// while elements finish. Neither the stack nor the work per delimiter grows
// with the depth.
class CElementConverter : public CConvertData
{
public:
    // The buffer's text must outlive the converter.
    explicit CElementConverter(const CStreamBuffer &buffer,
                               const CLanguage &language = CLanguage::m_JavaLanguage);
    ~CElementConverter() override;

    int IsStartOfPattern(const char *text, int pos, int length) override;
    int IsEndOfPattern(const CTextFormat *fmt, const char *text, int pos, int length) override;
    int OnLineEnd() override;
    int IsDelimiter(char c, int pos) override
    {
        const unsigned char cls = m_charClass[static_cast<unsigned char>(c)];
        if (cls == kWordChar) {
            m_prev = 0;
            return 0;
        }
        if (cls == kQuietWordChar)
            return 0; // '.', '*', '$': words go on through them, nothing else changes
        if (cls == kBlank && m_filter == kNoFilter) {
            m_prev = c;
            return 1;
        }
        return Delimiter(c, pos);
    }
    int OnWord(std::string_view word, int pos, int kind, int extra) override;

    // What IsDelimiter does for each character of text[from, to), for a
    // scanner of the converter's own language that takes runs at once:
    // word characters that continue a word, and blanks after a blank (the
    // answer is where the scanner goes on: from while an annotation or type
    // arguments are being filtered, which looks at every blank).
    void WordRun(const char *text, int from, int to)
    {
        for (int i = from; i < to; ++i) {
            if (m_charClass[static_cast<unsigned char>(text[i])] == kWordChar) {
                m_prev = 0;
                return;
            }
        }
    }
    int BlankRun(const char *text, int from, int to)
    {
        if (m_filter != kNoFilter)
            return from;
        m_prev = text[to - 1];
        return to;
    }

    // End of input: the current element gets a delimiter still pending.
    // Runs once; the destructor calls it if nobody did.
    void EndOfInput();

    // What elements read while they parse.
    CWordRing &Ring() { return m_ring; }
    int Line() const { return m_line; }
    int PendingLine() const { return m_pendingLine; }
    // Position of the delimiter being handed to the element.
    int CurrentPosition() const { return m_position; }
    const CLanguage &Language() const { return *m_pLanguage; }
    // Is the text from..to-1 blank (spaces, tabs, line ends)?
    bool IsBlankText(int from, int to) const;

protected:
    // A word of code while no element is being read.
    virtual void OnTopLevelWord(std::string_view word, int pos, int kind) = 0;
    // A block comment opens at the 1-based line / the open one closes.
    virtual void OnBlockCommentStart(int line);
    virtual void OnBlockCommentEnd();
    // The current element finished (ParseChar answered FALSE).
    virtual void OnElementFinished(CVarObject *element);

    // Makes e the element that receives delimiters. A delimiter pending from
    // before its first word belongs to the text before it and is dropped.
    void SetCurrent(CVarObject *e);
    // The top-level element being read, null between elements.
    CVarObject *Current() const { return m_current; }
    // The most recent word was "interface" right after '@'.
    bool AnnotationTypeKeyword() const { return m_annotationType; }

private:
    enum CharClass : unsigned char { kWordChar, kQuietWordChar, kBlank, kPunct };
    enum Filter : unsigned char { kNoFilter, kAtName, kAtAfterName, kAtArguments, kTypeArguments };

    int Delimiter(char c, int pos);
    bool Filtered(char c, int pos, bool blank);
    void Deliver();
    void Give(char c);
    void PushWord(std::string_view word, int pos, int kind);
    // Glues word to the last ring word where both are one (a broken
    // qualified name, a nested parameterised type, varargs dots); may leave
    // a rest of word to push. TRUE when nothing is left.
    bool GlueToLastWord(int last, std::string_view &word, int &pos, int lastWordEnd);
    void EndTypeArguments(int pos);

    const CStreamBuffer &m_buffer;
    std::array<unsigned char, 256> m_charClass{};
    CWordRing m_ring;
    int m_line = 0;
    int m_position = 0;
    int m_delivered = 1;
    int m_delimiterBeforeWord = 0;
    char m_pending = 0;
    char m_prev = 0;
    int m_pendingLine = 0;
    CVarObject *m_current = nullptr;
    // m_current and the elements being read inside it, outermost first:
    // each is the ReadingChild of the one before.
    std::vector<CVarObject *> m_chain;
    bool m_commentOpen = false;
    bool m_ended = false;

    // Annotation and type-argument filters: words that start inside
    // (m_suppressFrom, m_suppressTo) never reach the ring.
    Filter m_filter = kNoFilter;
    int m_filterDepth = 0;
    int m_filterParens = 0;
    int m_filterStart = 0;
    int m_lastDelimiterPos = -1;
    int m_suppressFrom = INT_MAX;
    int m_suppressTo = INT_MIN;
    int m_typeArgsClosedAt = INT_MIN;
    int m_lastWordEnd = -1; // where the word pushed last ends in the text
    bool m_lastEndsWithDot = false;
    bool m_anchorWord = false;
    bool m_lastWasWord = false;
    bool m_annotationType = false;
    std::string m_scratch;
};
