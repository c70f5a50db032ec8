#pragma once

#include <QPixmap>
#include <QSizeF>
#include <QString>
#include <memory>

class QPainter;
class QRectF;

// A named, resolution-independent image from the program's resources
// (":/images/<Name>.svg"). Copies are cheap and share the parsed drawing.
//
// A default-constructed image, or one looked up under an unknown name, is null:
// it draws nothing and has no name. Images keep the name they were found under,
// so code (and tests) can tell which image a control currently shows.
class CXImage {
 public:
  CXImage() = default;

  bool isNull() const { return !d_; }
  // The resource name, e.g. "CloseDefaultSingleForDark"; empty for a null image.
  QString name() const;
  // The drawing's natural size in device-independent pixels; empty when null.
  QSizeF size() const;

  // Draws the image scaled into target; a null image draws nothing.
  void draw(QPainter *painter, const QRectF &target) const;
  // The image rendered at size (device-independent) for a screen with the
  // given device pixel ratio. Null pixmap for a null image.
  QPixmap pixmap(const QSize &size, qreal devicePixelRatio = 1.0) const;

  friend bool operator==(const CXImage &a, const CXImage &b) { return a.d_ == b.d_; }

 private:
  struct Data;
  explicit CXImage(std::shared_ptr<const Data> d) : d_(std::move(d)) {}
  std::shared_ptr<const Data> d_;

  friend CXImage imageNamed(const QString &name);
};

// Looks name up among the program's images. Returns a null image when there is
// no resource of that name. Lookups are cached; call it from any thread.
CXImage imageNamed(const QString &name);
