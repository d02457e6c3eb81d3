#pragma once

#include <QList>
#include <QString>

// Members, nested classes and local classes are kept ordered by name,
// ignoring case, as the class view lists them: a new element goes before
// the first one whose name is greater than or equal to its own (so before
// an equal name), or at the end.
template <class T, class U> void InsertByName(QList<T *> &list, U *element)
{
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (QString::compare(list[i]->m_name, element->m_name, Qt::CaseInsensitive) >= 0) {
            list.insert(i, element);
            return;
        }
    }
    list.append(element);
}
