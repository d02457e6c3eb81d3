#pragma once

#include "editor/TextFormat.h"

#include <QDialog>
#include <QFont>
#include <QList>
#include <functional>

class QComboBox;
class QLabel;

// The colours and font of the editors: one line per token type with its
// style and colour, the background, the defaults, and the editor font.
// Works on copies; Apply hands them to the colour-text component. Colour
// and font choosers go through the given runner so that tests can answer
// them.
class CColorPage : public QDialog
{
    Q_OBJECT
public:
    using DialogRunner = std::function<int(QDialog &)>;

    CColorPage(COLORREF background, const QFont &editorFont, DialogRunner runner,
               QWidget *parent = nullptr);

    // The controls' actions, also for tests.
    void SelectType(int index);
    void SetStyle(int style);
    void ChooseColor();
    void ChooseBackground();
    void ChooseFont();
    void RestoreDefaults();

    int TypeCount() const { return int(m_types.size()); }
    COLORREF Background() const { return m_background; }
    COLORREF TypeColor(int index) const { return m_types.at(index).colour; }
    int TypeStyle(int index) const { return m_types.at(index).style; }
    bool IsModified() const { return m_modified; }
    bool FontChanged() const { return m_fontChanged; }
    const QFont &EditorFont() const { return m_font; }

    // Writes the token types' colours and styles into the component's
    // formats.
    void ApplyFormats() const;

private:
    struct SType
    {
        CTextFormat *format;
        COLORREF colour;
        int style;
    };
    void UpdateSample();

    QList<SType> m_types;
    COLORREF m_background;
    QFont m_font;
    DialogRunner m_runDialog;
    bool m_modified = false;
    bool m_fontChanged = false;
    QComboBox *m_typeList;
    QComboBox *m_styleList;
    QLabel *m_sample;
    QLabel *m_backSample;
};
