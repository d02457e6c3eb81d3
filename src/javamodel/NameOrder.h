#pragma once

#include <QList>
#include <QString>
#include <algorithm>

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

// The recogniser appends elements in source order and puts each list in
// name order once, when it is complete: the order InsertByName would have
// built one element at a time (equal names, the later one first), without
// its cost, which grows with the square of the length for a list whose names
// come in falling order or are all the same.
template <class T> void SortByName(QList<T *> &list)
{
    if (list.size() < 2)
        return;
    std::reverse(list.begin(), list.end());
    std::stable_sort(list.begin(), list.end(), [](const T *a, const T *b) {
        return QString::compare(a->m_name, b->m_name, Qt::CaseInsensitive) < 0;
    });
}
