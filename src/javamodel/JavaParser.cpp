#include "javamodel/JavaParser.h"

#include "core/Prompter.h"
#include "editor/ParseBuffer.h"
#include "editor/StreamBuffer.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaNames.h"
#include "javamodel/VarBlockComment.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarImport.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarPackage.h"

#include <algorithm>
#include <climits>
#include <new>

CJavaParser::CJavaParser(const CStreamBuffer &buffer, bool withComments)
    : CElementConverter(buffer), m_file(std::make_unique<CFileObject>()),
      m_withComments(withComments)
{
}

CJavaParser::~CJavaParser()
{
    EndOfInput();
}

CFileObject *CJavaParser::TakeFile()
{
    EndOfInput();
    return m_file.release();
}

void CJavaParser::OnTopLevelWord(std::string_view word, int, int kind)
{
    const int line = Line() + 1;
    CVarObject *element = nullptr;
    switch (word.size()) {
    case 4:
        if (word == "enum")
            element = m_file->AddClass(this, line, CVarContainer::KindEnum);
        break;
    case 5:
        if (word == "class")
            element = m_file->AddClass(this, line, CVarContainer::KindClass);
        break;
    case 6:
        if (word == "import")
            element = m_file->AddImport(this, line);
        else if (word == "record")
            element = m_file->AddClass(this, line, CVarContainer::KindRecord);
        break;
    case 7:
        if (word == "package")
            element = m_file->SetPackage(this, line);
        break;
    case 9:
        if (word == "interface")
            element = m_file->AddInterface(this, line,
                                           AnnotationTypeKeyword() ? CVarContainer::KindAnnotation
                                                                   : CVarContainer::KindInterface);
        break;
    default:
        break;
    }
    if (element) {
        SetCurrent(element);
        return;
    }
    // Modifiers stay in the ring for the header of the declaration they
    // stand in front of ("public final class"); any other word ends
    // whatever the ring held.
    if (!IsModifierWord(word, kind))
        Ring().Reset();
}

void CJavaParser::OnElementFinished(CVarObject *element)
{
    element->m_parser = nullptr;
}

void CJavaParser::OnBlockCommentStart(int line)
{
    if (m_withComments)
        m_comment = m_file->AddComment(this, line);
}

void CJavaParser::OnBlockCommentEnd()
{
    m_comment = nullptr;
}

CFileObject *CJavaParser::ParseText(const QByteArray &utf8)
{
    return ParseBytes(utf8.constData(), size_t(utf8.size()));
}

CFileObject *CJavaParser::ParseBytes(const char *utf8, size_t length, bool withComments)
{
    try {
        const CStreamBuffer buffer(utf8, int(std::min<size_t>(length, INT_MAX)));
        CParseBuffer scanner(buffer);
        CJavaParser parser(buffer, withComments);
        scanner.ParseBuffer(parser);
        return parser.TakeFile();
    } catch (const std::bad_alloc &) {
        Prompter().MessageBox(QStringLiteral("Error allocating memory for parsing !!!"),
                              CPrompter::Ok);
        return nullptr;
    }
}

CFileObject *CJavaParser::ParseEditorText(const QString &text)
{
    return ParseText(text.toUtf8());
}
