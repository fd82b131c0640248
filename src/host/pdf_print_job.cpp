#include "host/pdf_print_job.h"

#include "text/whole_file.h"

namespace plv::host {

PdfPrintJob::PdfPrintJob(std::string path, std::string_view title)
    : path_(std::move(path)),
      page_(image::make_pdf_page(title, kPageWidth, kPageHeight, kDotsPerInch)),
      surface_(*page_) {}

bool PdfPrintJob::finish() {
  const std::vector<std::uint8_t> bytes = page_->finish();
  const FileResult written =
      write_whole_file(path_, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  error_ = written.error;
  return written.ok();
}

}  // namespace plv::host
