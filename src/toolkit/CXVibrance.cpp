#include "toolkit/CXVibrance.h"

#include <QLabel>
#include <QLineEdit>
#include <QVariant>

#include "toolkit/WindowAppearance.h"

namespace CXVibrance {

QString identifier(const QWidget *textField) {
  if (!textField) return {};
  const QVariant explicitIdentifier = textField->property("identifier");
  if (explicitIdentifier.isValid()) return explicitIdentifier.toString();
  return textField->objectName();
}

bool platformAllowsVibrancy(const QWidget *textField) {
  return qobject_cast<const QLabel *>(textField) || qobject_cast<const QLineEdit *>(textField);
}

bool allowsVibrancy(const QWidget *textField) {
  if (identifier(textField) == QLatin1String(kTitleDisableIdentifier)) return false;
  return platformAllowsVibrancy(textField);
}

QColor textColor(bool vibrant, ColorScheme scheme) {
  const QColor solid = WindowAppearance::palette(scheme).color(QPalette::WindowText);
  if (!vibrant) return solid;
  // Vibrant text lets the background through, which reads as a softer,
  // secondary tone on the window's plain background.
  QColor blended = solid;
  // On the light scheme's window 0.66 keeps small text at 4.5:1.
  blended.setAlphaF(scheme == ColorScheme::Dark ? 0.62 : 0.66);
  return blended;
}

void applyToTextFields(QWidget *root, ColorScheme scheme) {
  if (!root) return;
  QList<QLabel *> labels = root->findChildren<QLabel *>();
  if (auto *self = qobject_cast<QLabel *>(root)) labels.prepend(self);
  for (QLabel *label : labels) {
    QPalette palette = label->palette();
    const QColor color = textColor(allowsVibrancy(label), scheme);
    palette.setColor(QPalette::Active, QPalette::WindowText, color);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, color);
    label->setPalette(palette);
  }
}

}  // namespace CXVibrance
