#include "host/qt/qt_print_job.h"

namespace plv::host {

std::unique_ptr<QtPrintJob> QtPrintJob::start(QPrinter& printer, std::string_view document_name) {
  printer.setDocName(QString::fromUtf8(document_name.data(), static_cast<qsizetype>(document_name.size())));
  std::unique_ptr<QtPrintJob> job(new QtPrintJob(printer));
  if (!job->painter_.begin(&printer)) return nullptr;
  return job;
}

}  // namespace plv::host
