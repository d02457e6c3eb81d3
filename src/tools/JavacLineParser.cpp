#include "tools/JavacLineParser.h"

#include <QRegularExpression>

bool CJavacLineParser::ParsePlace(const QString &text, QString *file, int *line, QString *rest)
{
    // The first ':' followed by digits and another ':' ends the file name,
    // so a file name may hold ':' as long as it is not followed by a number.
    for (qsizetype colon = text.indexOf(QLatin1Char(':')); colon > 0;
         colon = text.indexOf(QLatin1Char(':'), colon + 1)) {
        qsizetype i = colon + 1;
        while (i < text.size() && text.at(i).isDigit())
            ++i;
        if (i == colon + 1 || i >= text.size() || text.at(i) != QLatin1Char(':'))
            continue;
        if (file)
            *file = text.left(colon);
        if (line)
            *line = text.mid(colon + 1, i - colon - 1).toInt();
        if (rest)
            *rest = text.mid(i + 1).trimmed();
        return true;
    }
    return false;
}

CJavacLineParser::Line CJavacLineParser::Feed(const QString &raw)
{
    static const QRegularExpression summary(QStringLiteral("^\\d+ (errors?|warnings?)$"));
    QString text = raw;
    if (text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    Line out;

    // A diagnostic is followed by its source line and the caret line; what
    // is indented after them adds to its message.
    if (m_state == AfterDiagnostic && !text.isEmpty() &&
        !ParsePlace(text, nullptr, nullptr, nullptr)) {
        m_state = AfterSource;
        out.kind = SourceLine;
        return out;
    }
    if (m_state == AfterSource && text.trimmed() == QLatin1String("^")) {
        m_state = InDetails;
        out.kind = CaretLine;
        return out;
    }
    if ((m_state == InDetails || m_state == AfterSource) && text.startsWith(QLatin1String("  ")) &&
        !m_diagnostics.isEmpty()) {
        m_state = InDetails;
        out.kind = Detail;
        out.message = text.trimmed();
        m_diagnostics.last().message += QLatin1Char('\n') + out.message;
        return out;
    }
    m_state = Idle;

    QString file, rest;
    int line = 0;
    if (ParsePlace(text, &file, &line, &rest) && !file.trimmed().isEmpty()) {
        out.kind = Diagnostic;
        out.file = file;
        out.line = line;
        if (rest.startsWith(QLatin1String("warning:"))) {
            out.warning = true;
            rest = rest.mid(8).trimmed();
        } else if (rest.startsWith(QLatin1String("error:"))) {
            rest = rest.mid(6).trimmed();
        }
        out.message = rest;
        m_diagnostics.append({out.file, out.line, out.warning, out.message});
        m_state = AfterDiagnostic;
        return out;
    }
    if (text.startsWith(QLatin1String("error: ")) || text.startsWith(QLatin1String("warning: "))) {
        out.kind = General;
        out.warning = text.startsWith(QLatin1Char('w'));
        out.message = text.mid(text.indexOf(QLatin1Char(':')) + 1).trimmed();
        return out;
    }
    if (text.startsWith(QLatin1String("Note: "))) {
        out.kind = Note;
        out.message = text.mid(6);
        return out;
    }
    if (summary.match(text).hasMatch()) {
        out.kind = Summary;
        return out;
    }
    return out;
}
