#include "host/qt/smooth_image.h"

#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace plv::host {
namespace {

QColor colour_of(Rgb c) { return QColor(c.red, c.green, c.blue); }

// Pixel centres: a line between two of them covers the pixels it names.
QPointF centre(Point p) { return {p.x + 0.5, p.y + 0.5}; }

// Where a stroke of this width lies on whole pixels: odd widths on their
// centres, even ones between them.
QPointF on_pixels(Point p, qreal width) {
  const double shift = static_cast<long>(std::lround(width)) % 2 ? 0.5 : 0.0;
  return {p.x + shift, p.y + shift};
}

}  // namespace

void SmoothImage::reset(int width, int height, Rgb background) {
  painter_.reset();
  image_ = QImage(width, height, QImage::Format_RGB32);
  image_.fill(colour_of(background));
}

void SmoothImage::fill(Rgb colour) {
  painter_.reset();
  image_.fill(colour_of(colour));
}

const QImage& SmoothImage::image() {
  painter_.reset();  // everything painted is in the pixels
  return image_;
}

QPainter& SmoothImage::painter() {
  if (!painter_) {
    painter_.emplace(&image_);
    tools_changed_ = true;
  }
  QPainter& p = *painter_;
  if (!tools_changed_) return p;
  tools_changed_ = false;
  if (mix_ == Mix::kInvert) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(pen_ ? QPen(Qt::white, 0) : QPen(Qt::NoPen));
    p.setBrush(brush_ ? QBrush(Qt::white) : QBrush(Qt::NoBrush));
    return p;
  }
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (pen_) {
    QPen pen(colour_of(pen_->colour), std::max(pen_->width, 1) * ratio_);
    // Square ends close the corners of strokes drawn as separate segments
    // and cost a third of round ones.
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
  } else {
    p.setPen(Qt::NoPen);
  }
  p.setBrush(brush_ ? QBrush(colour_of(*brush_)) : QBrush(Qt::NoBrush));
  return p;
}

void SmoothImage::line(Point from, Point to) {
  if (!pen_ || image_.isNull()) return;
  QPainter& p = painter();
  const qreal width = p.pen().widthF();
  p.drawLine(on_pixels(from, width), on_pixels(to, width));
}

void SmoothImage::rectangle(int left, int top, int right, int bottom) {
  if (image_.isNull() || right <= left || bottom <= top) return;
  QPainter& p = painter();
  if (brush_) p.fillRect(QRectF(left, top, right - left, bottom - top), p.brush());
  if (pen_) {
    QPainterPath outline;
    const qreal width = p.pen().widthF();
    outline.addRect(QRectF(on_pixels({left, top}, width), on_pixels({right - 1, bottom - 1}, width)));
    p.strokePath(outline, p.pen());
  }
}

void SmoothImage::polygon(std::span<const Point> vertices) {
  if (image_.isNull() || vertices.empty()) return;
  QPolygonF points;
  for (const Point& v : vertices) points << centre(v);
  painter().drawPolygon(points, Qt::OddEvenFill);
}

}  // namespace plv::host
