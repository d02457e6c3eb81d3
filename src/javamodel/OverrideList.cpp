#include "javamodel/OverrideList.h"

#include "javamodel/VarContainer.h"
#include "javamodel/VarMethodDecl.h"

QString COverrideList::ApiPagePath(const QString &docDir, const QString &packageName,
                                   const QString &className)
{
    QString path = docDir;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    if (!packageName.isEmpty())
        path += packageName + QLatin1Char('.');
    return path + className + QLatin1String(".html");
}

QString COverrideList::MemberDescription(const QString &page, const QString &name)
{
    if (name.isEmpty())
        return QString();
    const QString anchor = QLatin1String("name=\"") + name + QLatin1Char('(');
    const qsizetype at = page.indexOf(anchor);
    if (at < 0)
        return QString();
    const qsizetype dd = page.indexOf(QLatin1String("<dd>"), at);
    if (dd < 0)
        return QString();
    const qsizetype next = page.indexOf(QLatin1Char('<'), dd + 4);
    if (next < 0)
        return QString();
    // Past the tag the description starts at: "<dd>", or a bold "<b>".
    qsizetype start = dd + 4;
    qsizetype end = next;
    const bool bold = next + 2 < page.size() &&
                      (page[next + 1] == QLatin1Char('b') || page[next + 1] == QLatin1Char('B')) &&
                      page[next + 2] == QLatin1Char('>');
    if (bold) {
        const qsizetype further = page.indexOf(QLatin1Char('<'), next + 1);
        if (further >= 0) {
            start = next + 3;
            end = further;
        }
    }
    const qsizetype length = end - start;
    if (length <= 0)
        return QString();
    QString text = page.mid(start, length);
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QList<COverrideList::Entry> COverrideList::Build(const CVarContainer &base, const QString &pageText,
                                                 bool apiDocs)
{
    QList<Entry> entries;
    for (CVarMethodDecl *method : base.m_methods) {
        if (!method->CanOverride() || method->m_name.isEmpty())
            continue;
        Entry entry;
        entry.method = method;
        entry.text = method->GetDescription();
        if (apiDocs) {
            entry.description = MemberDescription(pageText, method->m_name);
            if (entry.description.contains(QLatin1String("deprecated")))
                method->m_deprecated = 1;
        }
        if (entry.description.isEmpty())
            entry.description = QStringLiteral("Help Not available");
        if (method->m_deprecated)
            entry.text.prepend(QLatin1Char('['));
        entries << entry;
    }
    if (entries.isEmpty())
        entries << Entry{nullptr, QStringLiteral("none"), QString()};
    return entries;
}
