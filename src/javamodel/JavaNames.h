#pragma once

#include <QString>
#include <string>
#include <string_view>

// Small text rules for Java names and type texts, shared by the elements,
// their descriptions and the recogniser.
namespace JavaNames {

// Drops the package prefix: what follows the last '.' ("java.awt.Button"
// gives "Button"; a name ending in '.' gives an empty name).
QString Shorten(const QString &name);

// Shortens every qualified name inside a type text and keeps its type
// arguments, array brackets and varargs dots:
// "java.util.Map<java.lang.String, int[]>" gives "Map<String, int[]>".
QString ShortenType(const QString &type);

// The name without its type parameters or arguments: "Map<K, V>" gives "Map".
std::string_view StripTypeArguments(std::string_view word);

// Appends text[from, to) (a type argument list as written in the source,
// '<' to '>') to out in one canonical spelling: comments and line breaks
// dropped, no blanks inside the brackets except one after each comma and
// one between two words ("Map<? extends K, List<V>>").
void AppendTypeText(const char *text, int from, int to, std::string &out);

// Modifiers that may stand in front of a declaration. "non" is the first
// half of non-sealed, which the scanner splits at the '-'.
bool IsModifier(std::string_view word);

inline QString ToQString(std::string_view w)
{
    return QString::fromUtf8(w.data(), qsizetype(w.size()));
}

} // namespace JavaNames
