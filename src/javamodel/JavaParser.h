#pragma once

#include "javamodel/ElementConverter.h"

#include <QByteArray>
#include <QString>
#include <memory>

class CFileObject;
class CVarBlockComment;

// The Java recogniser: turns the text of one source into a CFileObject
// (package, imports, classes and interfaces with their members, nested and
// local classes, block comments). At top level it starts an element at the
// words class, interface, enum, record, import and package; everything after
// that is the elements' business (see CElementConverter).
//
// Final, so that the scanner's per-character calls are resolved at compile
// time (CParseBuffer::ParseBuffer is a template on the converter type).
class CJavaParser final : public CElementConverter
{
public:
    // The buffer's text must outlive the parser. Without comments the file
    // gets no block comment elements (whoever only lists declarations needs
    // none, and a source has about as many comments as declarations).
    explicit CJavaParser(const CStreamBuffer &buffer, bool withComments = true);
    ~CJavaParser() override;

    int IsDelimiter(char c, int pos) final { return CElementConverter::IsDelimiter(c, pos); }
    int OnWord(std::string_view word, int pos, int kind, int extra) final
    {
        return CElementConverter::OnWord(word, pos, kind, extra);
    }
    // The scanner hands runs of word characters and blanks at once; the
    // scanner and this converter read the same language, Java.
    void WordRun(const char *text, int from, int to) { CElementConverter::WordRun(text, from, to); }
    int BlankRun(const char *text, int from, int to)
    {
        return CElementConverter::BlankRun(text, from, to);
    }

    // Ends the input and hands over the file; the caller owns it.
    CFileObject *TakeFile();

    // Parses a whole text of UTF-8 bytes; the caller owns the result. Null
    // (after telling the user) when memory ran out.
    static CFileObject *ParseText(const QByteArray &utf8);
    // The same for bytes the caller keeps (a text past 2 GiB is cut there).
    static CFileObject *ParseBytes(const char *utf8, size_t length, bool withComments = true);
    // The text of an editor, as the editor holds it.
    static CFileObject *ParseEditorText(const QString &text);
    static CFileObject *ParseEditorText(const QByteArray &utf8) { return ParseText(utf8); }

protected:
    void OnTopLevelWord(std::string_view word, int pos, int kind) override;
    void OnBlockCommentStart(int line) override;
    void OnBlockCommentEnd() override;
    void OnElementFinished(CVarObject *element) override;

private:
    std::unique_ptr<CFileObject> m_file;
    CVarBlockComment *m_comment = nullptr;
    const bool m_withComments;
};
