#pragma once

#include <QFont>
#include <QString>

// Fonts chosen for their look in Latin letters, fitted to texts in other
// scripts.

// Whether text may have its letters spaced apart: not when it holds letters of
// a script whose letters join (Arabic and its kin), whose joins the spacing
// breaks, nor when it holds letters that read right to left.
bool takesLetterSpacing(const QString &text);

// font as it should draw text: without letter spacing where text takes none
// (above), and at normal weight where the face of font's weight, and the faces
// Qt falls back to at that weight, have no letters for the text's script and
// would draw boxes (DejaVu Sans ExtraLight, the light fallback, has no Hebrew
// or Arabic). A text those faces draw keeps font as it is.
QFont fontForText(QFont font, const QString &text);
