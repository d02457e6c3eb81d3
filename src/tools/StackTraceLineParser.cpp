#include "tools/StackTraceLineParser.h"

namespace {

QString ExceptionClass(const QString &text)
{
    const QString t = text.trimmed();
    const qsizetype colon = t.indexOf(QLatin1Char(':'));
    return (colon < 0 ? t : t.left(colon)).trimmed();
}

} // namespace

CStackTraceLineParser::Line CStackTraceLineParser::Parse(const QString &raw)
{
    Line out;
    const QString text = raw.trimmed();
    if (text.startsWith(QLatin1String("Exception in thread \""))) {
        const qsizetype close = text.indexOf(QLatin1Char('"'), 21);
        out.kind = Exception;
        if (close > 0)
            out.exception = ExceptionClass(text.mid(close + 1));
        return out;
    }
    if (text.startsWith(QLatin1String("Caused by: ")) ||
        text.startsWith(QLatin1String("Suppressed: "))) {
        out.kind = CausedBy;
        out.exception = ExceptionClass(text.mid(text.indexOf(QLatin1Char(':')) + 1));
        return out;
    }
    if (text.startsWith(QLatin1String("... ")) && text.endsWith(QLatin1String(" more"))) {
        out.kind = More;
        return out;
    }
    if (!text.startsWith(QLatin1String("at ")) || !text.endsWith(QLatin1Char(')')))
        return out;
    const qsizetype open = text.indexOf(QLatin1Char('('));
    if (open < 0)
        return out;
    // [loader/][module[@version]/]class.method(where)
    QString qualified = text.mid(3, open - 3).trimmed();
    const QString where = text.mid(open + 1, text.size() - open - 2);
    const qsizetype slash = qualified.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0) {
        const QString prefix = qualified.left(slash);
        qualified = qualified.mid(slash + 1);
        // "app//p.Main": a loader without module; "loader/mod/...": the module
        // is the last part before the class.
        const qsizetype inner = prefix.lastIndexOf(QLatin1Char('/'));
        out.module = inner >= 0 ? prefix.mid(inner + 1) : prefix;
    }
    const qsizetype dot = qualified.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return out;
    out.kind = Frame;
    out.className = qualified.left(dot);
    out.method = qualified.mid(dot + 1);
    const qsizetype colon = where.lastIndexOf(QLatin1Char(':'));
    bool ok = false;
    const int line = colon > 0 ? where.mid(colon + 1).toInt(&ok) : 0;
    if (ok) {
        out.file = where.left(colon);
        out.line = line;
    } else if (where.endsWith(QLatin1String(".java"))) {
        out.file = where;
    }
    return out;
}

QString CStackTraceLineParser::PackageDir(const QString &className)
{
    const qsizetype dot = className.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return QString();
    QString dir = className.left(dot);
    dir.replace(QLatin1Char('.'), QLatin1Char('/'));
    return dir + QLatin1Char('/');
}

QString CStackTraceLineParser::SourceFileOf(const QString &className)
{
    QString simple = className.mid(className.lastIndexOf(QLatin1Char('.')) + 1);
    const qsizetype dollar = simple.indexOf(QLatin1Char('$'));
    if (dollar > 0)
        simple.truncate(dollar);
    return simple + QStringLiteral(".java");
}
