#include "FakePrompter.h"

CFakePrompter::CFakePrompter() : m_previous(SetPrompter(this))
{
}

CFakePrompter::~CFakePrompter()
{
    SetPrompter(m_previous);
}

CPrompter::Answer CFakePrompter::MessageBox(const QString &text, Buttons buttons, Icon icon,
                                            Answer defaultAnswer)
{
    m_messages << text;
    m_buttons << buttons;
    m_icons << icon;
    if (m_answers.empty())
        return buttons == Ok ? AnswerOk : defaultAnswer;
    const Answer a = m_answers.front();
    m_answers.pop_front();
    return a;
}
