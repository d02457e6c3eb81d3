#include "javamodel/JavaNames.h"

namespace JavaNames {

QString Shorten(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.mid(dot + 1);
}

namespace {

bool IsNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$') ||
           c == QLatin1Char('.') || c.unicode() >= 0x80;
}

bool IsWordByte(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '$' || c == '.' || c >= 0x80 || c == '?' || c == '@';
}

} // namespace

QString ShortenType(const QString &type)
{
    if (!type.contains(QLatin1Char('.')))
        return type; // nothing to shorten: the same string, shared
    // The declarators of "T a, b, c" share one type string: its short form
    // is made once for all of them, however long the type is.
    thread_local QString lastType, lastShort;
    if (type.isSharedWith(lastType))
        return lastShort;
    QString out;
    out.reserve(type.size());
    qsizetype i = 0;
    const qsizetype n = type.size();
    while (i < n) {
        if (!IsNameChar(type[i])) {
            out += type[i++];
            continue;
        }
        qsizetype j = i;
        while (j < n && IsNameChar(type[j]))
            ++j;
        QString run = type.mid(i, j - i);
        QString dots;
        if (run.endsWith(QLatin1String("..."))) {
            dots = QStringLiteral("...");
            run.chop(3);
        }
        // ".Inner" after "Outer<T>" continues a parameterised type: keep the dot.
        if (run.startsWith(QLatin1Char('.')) && run.size() > 1)
            out += QLatin1Char('.') + Shorten(run.mid(1));
        else
            out += Shorten(run);
        out += dots;
        i = j;
    }
    lastType = type;
    lastShort = out;
    return out;
}

std::string_view StripTypeArguments(std::string_view word)
{
    const size_t lt = word.find('<');
    return lt == std::string_view::npos ? word : word.substr(0, lt);
}

void AppendTypeText(const char *text, int from, int to, std::string &out)
{
    bool blank = false;
    for (int i = from; i < to; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '/' && i + 1 < to && text[i + 1] == '*') {
            i += 2;
            while (i + 1 < to && !(text[i] == '*' && text[i + 1] == '/'))
                ++i;
            ++i;
            blank = true;
            continue;
        }
        if (c == '/' && i + 1 < to && text[i + 1] == '/') {
            while (i < to && text[i] != '\n' && text[i] != '\r')
                ++i;
            blank = true;
            continue;
        }
        if (c <= ' ') {
            blank = true;
            continue;
        }
        if (blank && !out.empty()) {
            const unsigned char last = static_cast<unsigned char>(out.back());
            const bool afterOpen = last == '<' || last == '(' || last == '[' || last == ' ';
            const bool beforeClose = c == '>' || c == ')' || c == '[' || c == ']' || c == ',';
            if (!afterOpen && !beforeClose &&
                (IsWordByte(last) || last == '>' || last == ']' || last == '&' || c == '&'))
                out += ' ';
        }
        blank = false;
        out += char(c);
        if (c == ',')
            out += ' ';
    }
}

bool IsModifier(std::string_view w)
{
    switch (w.size()) {
    case 3:
        return w == "non";
    case 5:
        return w == "final";
    case 6:
        return w == "public" || w == "static" || w == "sealed";
    case 7:
        return w == "private" || w == "default";
    case 8:
        return w == "abstract" || w == "strictfp";
    case 9:
        return w == "protected" || w == "transient";
    case 12:
        return w == "synchronized";
    default:
        return w == "native" || w == "volatile";
    }
}

} // namespace JavaNames
