#include "toolkit/ImageLibrary.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <mutex>

struct CXImage::Data {
  QString name;
  QByteArray svg;
  QSizeF size;
};

QString CXImage::name() const { return d_ ? d_->name : QString(); }

QSizeF CXImage::size() const { return d_ ? d_->size : QSizeF(); }

void CXImage::draw(QPainter *painter, const QRectF &target) const {
  if (!d_ || !painter) return;
  // A renderer per call keeps the shared data immutable (and so safe to share
  // across threads); the drawings are a few hundred bytes, parsing is trivial.
  QSvgRenderer renderer(d_->svg);
  renderer.render(painter, target);
}

QPixmap CXImage::pixmap(const QSize &size, qreal devicePixelRatio) const {
  if (!d_ || size.isEmpty()) return {};
  QPixmap pm(size * devicePixelRatio);
  pm.setDevicePixelRatio(devicePixelRatio);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  draw(&p, QRectF(QPointF(0, 0), QSizeF(size)));
  return pm;
}

CXImage imageNamed(const QString &name) {
  static std::mutex mutex;
  static QHash<QString, std::shared_ptr<const CXImage::Data>> cache;

  std::lock_guard lock(mutex);
  auto it = cache.constFind(name);
  if (it != cache.constEnd()) return CXImage(it.value());

  std::shared_ptr<const CXImage::Data> data;
  // Names are plain words; anything that could walk out of the images folder
  // is simply not an image.
  if (!name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('.'))) {
    QFile file(QStringLiteral(":/images/%1.svg").arg(name));
    if (file.open(QIODevice::ReadOnly)) {
      QByteArray svg = file.readAll();
      QSvgRenderer renderer(svg);
      if (renderer.isValid()) {
        auto d = std::make_shared<CXImage::Data>();
        d->name = name;
        d->svg = std::move(svg);
        d->size = renderer.defaultSize();
        data = std::move(d);
      }
    }
  }
  // Only found images are kept, so looking up odd names cannot grow the cache.
  if (data) cache.insert(name, data);
  return CXImage(data);
}
