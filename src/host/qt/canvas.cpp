#include "host/qt/canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QPainter>
#include <cmath>

#include "host/qt/key_translation.h"

namespace plv::host {

namespace {

int button_number(Qt::MouseButton button) {
  if (button == Qt::LeftButton) return kLeftButton;
  if (button == Qt::RightButton) return kRightButton;
  if (button == Qt::MiddleButton) return kMiddleButton;
  return 0;
}

Qt::CursorShape qt_shape(CursorShape shape) {
  switch (shape) {
    case CursorShape::kCrosshair: return Qt::CrossCursor;
    case CursorShape::kIBeam: return Qt::IBeamCursor;
    case CursorShape::kHourglass: return Qt::WaitCursor;
    case CursorShape::kArrow: break;
  }
  return Qt::ArrowCursor;
}

}  // namespace

Canvas::Canvas(EventSink sink, QSize preferred_size, QWidget* parent)
    : QWidget(parent), sink_(std::move(sink)), preferred_size_(preferred_size) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_KeyCompression, false);
  smooth_.set_pixel_ratio(devicePixelRatioF());
}

QSize Canvas::device_size() const {
  const qreal ratio = devicePixelRatioF();
  return {static_cast<int>(std::lround(width() * ratio)), static_cast<int>(std::lround(height() * ratio))};
}

QPoint Canvas::to_logical(Point device_pixel) const {
  const qreal ratio = devicePixelRatioF();
  return {static_cast<int>(device_pixel.x / ratio), static_cast<int>(device_pixel.y / ratio)};
}

void Canvas::set_shape(CursorShape shape) { setCursor(qt_shape(shape)); }

void Canvas::show_frame_now() {
  frame_only_ = true;
  repaint();
  frame_only_ = false;
}

bool Canvas::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      // Every key belongs to the editor: no menu mnemonic or shortcut takes it.
      event->accept();
      return true;
    case QEvent::KeyPress: {
      // Taken here rather than in keyPressEvent, which never sees Tab.
      if (const auto key = key_of(static_cast<const QKeyEvent&>(*event))) {
        sink_({.type = EventType::kKey, .key = *key});
      }
      return true;
    }
    case QEvent::KeyRelease: return true;
    default: return QWidget::event(event);
  }
}

void Canvas::render(const Frame& frame, QImage& target) {
  const QSize size = device_size();
  if (target.size() != size) target = QImage(size, QImage::Format_RGB32);
  target.setDevicePixelRatio(1.0);
  target.fill(frame.black_background ? Qt::black : Qt::white);
  QPainter painter(&target);
  const auto* raster_shown = frame.picture;
  if (frame.graphics && frame.smooth && raster_shown &&
      smooth_.image().size() == QSize(raster_shown->width(), raster_shown->height())) {
    painter.drawImage(0, 0, smooth_.image());
  } else if (frame.graphics && frame.picture && frame.picture->width() > 0) {
    const Raster& raster = *frame.picture;
    const QImage picture(reinterpret_cast<const uchar*>(raster.pixels().data()), raster.width(), raster.height(),
                         raster.width() * 4, QImage::Format_RGB32);
    painter.drawImage(0, 0, picture);
  } else if (!frame.graphics && frame.text) {
    last_layout_ = frame.layout;
    text_painter_.paint(painter, frame);
  }
}

void Canvas::paintEvent(QPaintEvent*) {
  if (client_) {
    render(frame_only_ ? client_->frame() : client_->paint(), image_);
  } else {
    image_ = QImage(device_size(), QImage::Format_RGB32);
    image_.fill(Qt::white);
  }
  // The picture is drawn at device pixels, one to one, also on scaled screens.
  QImage shown = image_;
  shown.setDevicePixelRatio(devicePixelRatioF());
  QPainter(this).drawImage(0, 0, shown);
}

void Canvas::resizeEvent(QResizeEvent*) {
  smooth_.set_pixel_ratio(devicePixelRatioF());
  if (!client_) return;
  const QSize size = device_size();
  client_->client_resized(size.width(), size.height(), false);
}

void Canvas::pointer_event(EventType type, const QMouseEvent& event) {
  const qreal ratio = devicePixelRatioF();
  const QPointF p = event.position() * ratio;
  Event e{.type = type, .x = static_cast<int>(std::floor(p.x())), .y = static_cast<int>(std::floor(p.y()))};
  if (type != EventType::kPointerMove) {
    e.button = button_number(event.button());
    if (e.button == 0) return;
  }
  sink_(e);
}

void Canvas::mousePressEvent(QMouseEvent* event) { pointer_event(EventType::kButtonPress, *event); }
// A quick second click is a press like any other.
void Canvas::mouseDoubleClickEvent(QMouseEvent* event) { pointer_event(EventType::kButtonPress, *event); }
void Canvas::mouseReleaseEvent(QMouseEvent* event) { pointer_event(EventType::kButtonRelease, *event); }
void Canvas::mouseMoveEvent(QMouseEvent* event) { pointer_event(EventType::kPointerMove, *event); }

// One notch is 120 eighths of a degree; touchpads send less at a time.
void Canvas::wheelEvent(QWheelEvent* event) {
  wheel_eighths_ += event->angleDelta().y();
  const int steps = wheel_eighths_ / 120;
  if (steps == 0) return;
  wheel_eighths_ -= steps * 120;
  const QPointF p = event->position() * devicePixelRatioF();
  sink_({.type = EventType::kWheel, .x = static_cast<int>(std::floor(p.x())), .y = static_cast<int>(std::floor(p.y())),
         .steps = steps});
}

void Canvas::focusInEvent(QFocusEvent*) {
  if (client_) client_->focus_changed(true);
}

void Canvas::focusOutEvent(QFocusEvent*) {
  if (client_) client_->focus_changed(false);
}

}  // namespace plv::host
