#include "host/qt/qt_print_job.h"

#include <QImage>

namespace plv::host {

std::unique_ptr<QtPrintJob> QtPrintJob::start(QPrinter& printer, std::string_view document_name) {
  printer.setDocName(QString::fromUtf8(document_name.data(), static_cast<qsizetype>(document_name.size())));
  std::unique_ptr<QtPrintJob> job(new QtPrintJob(printer));
  if (!job->painter_.begin(&printer)) return nullptr;
  return job;
}

bool QtPrintJob::place_picture(const image::Pixels& pixels, int left, int top, int width, int height) {
  if (pixels.width <= 0 || pixels.height <= 0) return false;
  const QImage image(reinterpret_cast<const uchar*>(pixels.rgb.data()), pixels.width, pixels.height,
                     static_cast<qsizetype>(pixels.width) * 4, QImage::Format_RGB32);
  painter_.drawImage(QRect(left, top, width, height), image);
  return true;
}

}  // namespace plv::host
