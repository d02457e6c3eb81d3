#include "beans/BeanConverter.h"

#include "beans/BeanElements.h"
#include "core/Prompter.h"
#include "editor/ParseBuffer.h"
#include "editor/StreamBuffer.h"

#include <algorithm>
#include <climits>
#include <new>

CBeanConverter::CBeanConverter(const CStreamBuffer &buffer) : CElementConverter(buffer)
{
}

CBeanConverter::~CBeanConverter()
{
    EndOfInput();
}

CBeanObject *CBeanConverter::TakeBean()
{
    EndOfInput();
    return m_bean.release();
}

void CBeanConverter::OnTopLevelWord(std::string_view word, int, int)
{
    // One bean per text: whatever follows it is not read.
    if (word == "class" && !m_bean) {
        try {
            m_bean = std::make_unique<CBeanObject>(this, Line() + 1);
        } catch (const std::bad_alloc &) {
            Prompter().MessageBox(QStringLiteral("Memory Error allocating for Bean !!!"),
                                  CPrompter::Ok);
            return;
        }
        SetCurrent(m_bean.get());
        return;
    }
    Ring().Reset();
}

void CBeanConverter::OnElementFinished(CVarObject *element)
{
    element->m_parser = nullptr;
}

std::unique_ptr<CBeanObject> CBeanConverter::ParseBean(const QByteArray &utf8)
{
    try {
        const CStreamBuffer buffer(utf8.constData(),
                                   int(std::min<qsizetype>(utf8.size(), INT_MAX)));
        CParseBuffer scanner(buffer);
        CBeanConverter converter(buffer);
        scanner.ParseBuffer(converter);
        return std::unique_ptr<CBeanObject>(converter.TakeBean());
    } catch (const std::bad_alloc &) {
        Prompter().MessageBox(QStringLiteral("Memory error parsing the file !!!"), CPrompter::Ok);
        return nullptr;
    }
}
