#include "app/FileDialogs.h"

#include <QFileInfo>

QStringList CFileDialogRequest::QtFilters() const
{
    QStringList out;
    const QStringList parts = m_filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString text = parts.at(i);
        const QString patterns = parts.at(i + 1);
        if (text.isEmpty())
            break; // the "||" that ends the list
        // Qt reads the patterns from the parentheses of the text; a text
        // without them gets the patterns appended.
        QStringList qtPatterns;
        for (const QString &p : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            qtPatterns << (p.trimmed() == QLatin1String("*.*") ? QStringLiteral("*") : p.trimmed());
        const qsizetype open = text.indexOf(QLatin1Char('('));
        if (open >= 0)
            text = text.left(open).trimmed();
        out << QStringLiteral("%1 (%2)").arg(text, qtPatterns.join(QLatin1Char(' ')));
    }
    return out;
}

QString CFileDialogRequest::WithDefaultExt(const QString &name) const
{
    if (name.isEmpty() || m_defaultExt.isEmpty())
        return name;
    if (!QFileInfo(name).fileName().contains(QLatin1Char('.')))
        return name + QLatin1Char('.') + m_defaultExt;
    return name;
}

QString CFileDialogRequest::FilterExt(int index) const
{
    const QStringList parts = m_filter.split(QLatin1Char('|'));
    const qsizetype at = qsizetype(index) * 2 + 1;
    if (index < 0 || at >= parts.size() || parts.at(at - 1).isEmpty())
        return QString();
    const QString pattern = parts.at(at).trimmed();
    // One pattern of the form "*.ext" names an extension; "*.*" does not.
    if (!pattern.startsWith(QLatin1String("*.")) || pattern.contains(QLatin1Char(';')))
        return QString();
    const QString ext = pattern.mid(2);
    if (ext.contains(QLatin1Char('*')) || ext.contains(QLatin1Char('?')))
        return QString();
    return ext;
}

QString CFileDialogRequest::WithChosenFilterExt(const QString &name) const
{
    const QString ext = FilterExt(m_chosenFilter);
    if (name.isEmpty() || ext.isEmpty() || QFileInfo(name).fileName().contains(QLatin1Char('.')))
        return name;
    return name + QLatin1Char('.') + ext;
}
