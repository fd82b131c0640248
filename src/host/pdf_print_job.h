#pragma once
// Printing into a PDF file: a letter-size page at 600 dots per inch that
// takes colour. Headless runs and the batch tool print this way. The page
// goes out as it is drawn: to a file, which takes its place only when the
// page is finished whole, or to whoever takes its bytes.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "host/vector_surface.h"
#include "host/window_system.h"
#include "image/vector_page.h"
#include "text/safe_file_writer.h"

namespace plv::host {

class PdfPrintJob final : public PrintJob {
 public:
  static constexpr int kDotsPerInch = 600;
  static constexpr int kPageWidth = 5100;   // 8.5 inches
  static constexpr int kPageHeight = 6600;  // 11 inches

  PdfPrintJob(std::string path, std::string_view title);
  PdfPrintJob(image::PageSink sink, std::string_view title);

  int dots_per_inch_x() const override { return kDotsPerInch; }
  int dots_per_inch_y() const override { return kDotsPerInch; }
  int scale_percent() const override { return 0; }
  bool colour() const override { return true; }
  Surface& page() override { return surface_; }
  bool place_picture(const image::Pixels& pixels, int left, int top, int width, int height) override {
    return page_->picture(pixels, left, top, width, height);
  }
  // Ends the page and puts a file in place; false when it could not be written.
  bool finish() override;
  // The file's name and the system's reason, such as "out.pdf: cannot
  // write: No space left on device".
  std::string failure() const override { return file_ ? file_->error() : std::string(); }

 private:
  std::optional<SafeFileWriter> file_;
  std::unique_ptr<image::VectorPage> page_;
  VectorSurface surface_;
};

}  // namespace plv::host
