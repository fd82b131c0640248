#pragma once
// Printing into a PDF file: a letter-size page at 600 dots per inch that
// takes colour. Headless runs and the batch tool print this way.

#include <memory>
#include <string>
#include <string_view>

#include "host/vector_surface.h"
#include "host/window_system.h"

namespace plv::host {

class PdfPrintJob final : public PrintJob {
 public:
  static constexpr int kDotsPerInch = 600;
  static constexpr int kPageWidth = 5100;   // 8.5 inches
  static constexpr int kPageHeight = 6600;  // 11 inches

  PdfPrintJob(std::string path, std::string_view title);

  int dots_per_inch_x() const override { return kDotsPerInch; }
  int dots_per_inch_y() const override { return kDotsPerInch; }
  int scale_percent() const override { return 0; }
  bool colour() const override { return true; }
  Surface& page() override { return surface_; }
  bool place_picture(const image::Pixels& pixels, int left, int top, int width, int height) override {
    return page_->picture(pixels, left, top, width, height);
  }
  // Writes the file; false when it could not be written (error() says why).
  bool finish() override;
  const std::string& error() const { return error_; }

 private:
  std::string path_;
  std::unique_ptr<image::VectorPage> page_;
  VectorSurface surface_;
  std::string error_;
};

}  // namespace plv::host
