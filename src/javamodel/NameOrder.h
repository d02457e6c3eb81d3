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

// The same place found by halving, for lists that only ever grew through
// InsertByName (all lists the recogniser fills): there the first name that
// is greater than or equal is where a binary search ends.
template <class T, class U> void InsertByNameSorted(QList<T *> &list, U *element)
{
    qsizetype lo = 0, hi = list.size();
    while (lo < hi) {
        const qsizetype mid = (lo + hi) / 2;
        if (QString::compare(list[mid]->m_name, element->m_name, Qt::CaseInsensitive) >= 0)
            hi = mid;
        else
            lo = mid + 1;
    }
    list.insert(lo, element);
}
