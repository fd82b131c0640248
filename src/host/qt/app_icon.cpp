#include "host/qt/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace plv::host {

namespace {

// A sheet with a plotted curve and an annotation arrow pointing at it.
QPixmap icon_pixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(2.5, 4.5, 27, 23));
  QPainterPath curve(QPointF(5, 23));
  curve.cubicTo(QPointF(11, 4), QPointF(17, 26), QPointF(27, 9));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0, 80, 200), 2));
  p.drawPath(curve);
  p.setPen(QPen(QColor(220, 30, 30), 1.5));
  p.drawLine(QPointF(24, 25), QPointF(17, 18));
  p.drawLine(QPointF(17, 18), QPointF(17, 22));
  p.drawLine(QPointF(17, 18), QPointF(21, 18));
  return pixmap;
}

}  // namespace

QIcon app_icon() {
  QIcon icon;
  for (const int size : {16, 32, 48}) icon.addPixmap(icon_pixmap(size));
  return icon;
}

}  // namespace plv::host
