#pragma once

#include "editor/TextFormat.h"

#include <QColor>
#include <QFont>

class CLanguage;
class QsciLexer;
class QObject;

// Colouring of the editor: QScintilla's own lexers for Java, HTML and C++,
// fed with our keyword lists and painted with our text formats, so that the
// colour options reach every open editor through one call.
namespace editor_lexer {

QColor ToQColor(COLORREF c);
COLORREF FromQColor(const QColor &c);

// A new lexer for the language (null for plain text), owned by parent.
QsciLexer *Create(const CLanguage *language, QObject *parent);

// Paints every style of the lexer from the text formats on the background,
// in the given font (each format adds its own bold and italic).
void ApplyFormats(QsciLexer *lexer, const CLanguage *language, const QFont &font,
                  COLORREF background);

// The format that paints a style of the lexer made for the language.
const CTextFormat *FormatOfStyle(const CLanguage *language, int style);

} // namespace editor_lexer
