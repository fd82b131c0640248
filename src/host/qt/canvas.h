#pragma once
// The window's client area: shows the picture or the text screen and turns
// keys, buttons and pointer moves into events for the host. Handlers only
// hand events on; they never wait or call the editor.

#include <QImage>
#include <QWidget>
#include <functional>

#include "host/qt/smooth_image.h"
#include "host/qt/text_painter.h"
#include "host/window_system.h"

namespace plv::host {

class Canvas final : public QWidget {
 public:
  using EventSink = std::function<void(const Event&)>;

  Canvas(EventSink sink, QSize preferred_size, QWidget* parent = nullptr);

  void attach(WindowClient* client) { client_ = client; }
  // Paints what the client shows now, at once, without asking it to redraw.
  void show_frame_now();
  void set_shape(CursorShape shape);
  // The client area in device pixels, the unit of every position the host sees.
  QSize device_size() const;
  QPoint to_logical(Point device_pixel) const;
  // The picture drawn smoothly, shown instead of the exact raster when the
  // frame asks for it.
  SmoothImage& smooth() { return smooth_; }
  // What was painted last, in device pixels.
  const QImage& shown() const { return image_; }
  // The frame drawn into `target` at the client's size.
  void render(const Frame& frame, QImage& target);
  const QFont& text_font() { return text_painter_.font_for(last_layout_); }

  QSize sizeHint() const override { return preferred_size_; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void pointer_event(EventType type, const QMouseEvent& event);

  EventSink sink_;
  QSize preferred_size_;
  WindowClient* client_ = nullptr;
  TextPainter text_painter_;
  SmoothImage smooth_;
  TextLayout last_layout_;
  QImage image_;
  int wheel_eighths_ = 0;  // turned but not yet a whole notch
  bool frame_only_ = false;
};

}  // namespace plv::host
