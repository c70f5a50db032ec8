#pragma once

#include <QFont>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include "platform/ColorScheme.h"

// How the program's alerts look (see CXAlert for the keys of each map): the
// title's and the message's font settings, one map per button position, and
// the colour scheme.
struct AlertSettings {
  QVariantMap title;
  QVariantMap inform;
  QVariantList buttons;
  ColorScheme scheme = ColorScheme::Light;

  // The font a settings map describes: "fontName", "fontSize" and the letter
  // spacing under kernKey. Font names are PostScript-style
  // ("HelveticaNeue-Medium"); when the family is not installed, a sans family
  // of the same weight stands in. Given the text it is for, the font is fitted
  // to the text's script (fontForText in ScriptFonts.h).
  static QFont font(const QVariantMap &settings, const QString &defaultName, double defaultSize,
                    const char *kernKey = "fontKern", const QString &text = QString());
};
