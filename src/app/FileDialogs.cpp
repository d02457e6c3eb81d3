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
