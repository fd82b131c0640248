#include "host/qt/painter_surface.h"

#include <QPolygon>
#include <algorithm>

namespace plv::host {
namespace {

QColor colour_of(Rgb c) { return QColor(c.red, c.green, c.blue); }

}  // namespace

void PainterSurface::select_pen(std::optional<Pen> pen) {
  if (!pen) return painter_.setPen(Qt::NoPen);
  QPen p(colour_of(pen->colour));
  p.setWidth(std::max(pen->width, 1));
  p.setCapStyle(Qt::FlatCap);
  p.setJoinStyle(Qt::MiterJoin);
  painter_.setPen(p);
}

void PainterSurface::select_brush(std::optional<Rgb> brush) {
  painter_.setBrush(brush ? QBrush(colour_of(*brush)) : QBrush(Qt::NoBrush));
}

void PainterSurface::line(Point from, Point to) { painter_.drawLine(from.x, from.y, to.x, to.y); }

void PainterSurface::rectangle(int left, int top, int right, int bottom) {
  painter_.drawRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

void PainterSurface::polygon(std::span<const Point> vertices) {
  QPolygon points;
  for (const Point& v : vertices) points << QPoint(v.x, v.y);
  painter_.drawPolygon(points, Qt::OddEvenFill);
}

}  // namespace plv::host
