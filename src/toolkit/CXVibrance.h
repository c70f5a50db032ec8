#pragma once

#include <QColor>
#include <QString>

#include "platform/ColorScheme.h"

class QWidget;

// Whether a text field draws with vibrancy: its text blended into the
// translucent background behind it instead of standing on it in a solid
// colour. A field opts out by carrying the identifier "TF_Title_Disable"
// (window titles and headings that must stay crisp); every other field draws
// as the platform's text fields do here, which is with vibrancy.
//
// A field's identifier is its "identifier" property when set (Designer files
// give it as a dynamic property, since object names must be unique in a
// file), otherwise its object name. The comparison is exact and case-sensitive.
namespace CXVibrance {

inline constexpr char kTitleDisableIdentifier[] = "TF_Title_Disable";

QString identifier(const QWidget *textField);

// False for a field identified "TF_Title_Disable", otherwise
// platformAllowsVibrancy(). A null field answers as the platform does.
bool allowsVibrancy(const QWidget *textField);

// What a text field answers when it does not opt out: QLabel and QLineEdit
// draw with vibrancy; other widgets are not text fields and do not.
bool platformAllowsVibrancy(const QWidget *textField);

// The colour of a text field's text over a vibrancy background of the scheme.
QColor textColor(bool vibrant, ColorScheme scheme);

// Gives every QLabel inside root (root included) the text colour that its
// vibrancy answer and the scheme call for. Run after each change of scheme.
void applyToTextFields(QWidget *root, ColorScheme scheme);

}  // namespace CXVibrance
