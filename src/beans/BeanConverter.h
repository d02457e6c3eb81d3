#pragma once

#include "javamodel/ElementConverter.h"

#include <QByteArray>
#include <memory>

class CBeanObject;

// Reads what DumpBean wrote about one bean. It is the Java recogniser's
// event machinery with one word known at top level: "class" starts the
// bean, which reads the rest of the text itself (CBeanObject::ParseChar).
class CBeanConverter final : public CElementConverter
{
public:
    // The buffer's text must outlive the converter.
    explicit CBeanConverter(const CStreamBuffer &buffer);
    ~CBeanConverter() override;

    int IsDelimiter(char c, int pos) final { return CElementConverter::IsDelimiter(c, pos); }
    int OnWord(std::string_view word, int pos, int kind, int extra) final
    {
        return CElementConverter::OnWord(word, pos, kind, extra);
    }
    void WordRun(const char *text, int from, int to) { CElementConverter::WordRun(text, from, to); }
    int BlankRun(const char *text, int from, int to)
    {
        return CElementConverter::BlankRun(text, from, to);
    }

    // Ends the input and hands over the bean (null when the text held no
    // "class"); the caller owns it.
    CBeanObject *TakeBean();

    // The bean of a whole text, or null when the text holds none or memory
    // ran out (the user has been told). A bean whose text was cut off comes
    // back incomplete (m_complete 0).
    static std::unique_ptr<CBeanObject> ParseBean(const QByteArray &utf8);

protected:
    void OnTopLevelWord(std::string_view word, int pos, int kind) override;
    void OnElementFinished(CVarObject *element) override;

private:
    std::unique_ptr<CBeanObject> m_bean;
};
