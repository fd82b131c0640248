#pragma once
// One printed page on a Qt printer: the printer's resolution and colour,
// and a painter surface the picture replays onto.

#include <QPainter>
#include <QPrinter>
#include <memory>

#include "host/qt/painter_surface.h"
#include "host/window_system.h"

namespace plv::host {

class QtPrintJob final : public PrintJob {
 public:
  // Null when the printer cannot be started.
  static std::unique_ptr<QtPrintJob> start(QPrinter& printer, std::string_view document_name);

  int dots_per_inch_x() const override { return printer_.resolution(); }
  int dots_per_inch_y() const override { return printer_.resolution(); }
  int scale_percent() const override { return 0; }  // Qt's printers carry no scaling of their own
  bool colour() const override { return printer_.colorMode() == QPrinter::Color; }
  Surface& page() override { return surface_; }
  bool place_picture(const image::Pixels& pixels, int left, int top, int width, int height) override;
  bool finish() override { return painter_.end(); }

 private:
  explicit QtPrintJob(QPrinter& printer) : printer_(printer), surface_(painter_) {}

  QPrinter& printer_;
  QPainter painter_;
  PainterSurface surface_;
};

}  // namespace plv::host
