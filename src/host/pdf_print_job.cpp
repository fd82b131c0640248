#include "host/pdf_print_job.h"

namespace plv::host {

PdfPrintJob::PdfPrintJob(std::string path, std::string_view title)
    : file_(std::move(path)),
      page_(image::make_pdf_page([this](std::string_view bytes) { file_.write(bytes); }, title, kPageWidth,
                                 kPageHeight, kDotsPerInch)),
      surface_(*page_) {}

bool PdfPrintJob::finish() {
  page_->finish();
  return file_.commit();
}

}  // namespace plv::host
