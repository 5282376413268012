// A dialog template's font made fit for the program's text. The dialog manager creates a
// dialog's font from the face and character set in its template and lays the dialog out in
// units of that font, so the face is exchanged in the template itself (see TextFont.h) before
// the dialog is created: the layout then follows the font the text is drawn in. Internal to
// fx/win.
#pragma once

#include <windows.h>

#include <vector>

namespace fx::detail {

class DialogFontTemplate {
public:
    // Looks at the template's font; keeps a rewritten copy when that font lacks glyphs for the
    // program's text. A template without a font of its own (no DS_SETFONT) stays as it is.
    explicit DialogFontTemplate(LPCDLGTEMPLATEW source);
    DialogFontTemplate(const DialogFontTemplate&) = delete;
    DialogFontTemplate& operator=(const DialogFontTemplate&) = delete;

    // The template to create the dialog from: the copy, or the source when it needed none.
    LPCDLGTEMPLATEW get() const;
    bool IsRewritten() const { return !m_copy.empty(); }

private:
    LPCDLGTEMPLATEW m_source;
    std::vector<DWORD> m_copy;  // DWORD-aligned, as templates must be
};

}  // namespace fx::detail
