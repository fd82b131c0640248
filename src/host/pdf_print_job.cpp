#include "host/pdf_print_job.h"

namespace plv::host {

PdfPrintJob::PdfPrintJob(std::string path, std::string_view title)
    : file_(std::in_place, std::move(path)),
      page_(image::make_pdf_page([this](std::string_view bytes) { file_->write(bytes); }, title, kPageWidth,
                                 kPageHeight, kDotsPerInch)),
      surface_(*page_) {}

PdfPrintJob::PdfPrintJob(image::PageSink sink, std::string_view title)
    : page_(image::make_pdf_page(std::move(sink), title, kPageWidth, kPageHeight, kDotsPerInch)), surface_(*page_) {}

bool PdfPrintJob::finish() {
  page_->finish();
  return !file_ || file_->commit();
}

}  // namespace plv::host
