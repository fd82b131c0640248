#include "host/qt/text_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "host/text_layout.h"

namespace plv::host {

namespace {

QColor to_qcolor(Rgb c) { return QColor(c.red, c.green, c.blue); }

}  // namespace

void TextPainter::choose_font(const TextLayout& layout) {
  font_ = QFont(QStringLiteral("DejaVu Sans Mono"));
  font_.setStyleHint(QFont::TypeWriter, QFont::PreferAntialias);
  font_.setFixedPitch(true);
  font_.setKerning(false);
  // The largest pixel size whose line fits the computed font height.
  int size = std::max(layout.font_height, 4);
  for (; size > 4; --size) {
    font_.setPixelSize(size);
    if (QFontMetricsF(font_).height() <= layout.font_height + 0.5) break;
  }
  font_.setPixelSize(size);
  const QFontMetricsF metrics(font_);
  const double advance = metrics.horizontalAdvance(QLatin1Char('M'));
  x_scale_ = 1.0;
  if (advance > layout.char_width) {
    x_scale_ = layout.char_width / advance;
  } else if (advance < layout.char_width) {
    font_.setLetterSpacing(QFont::AbsoluteSpacing, layout.char_width - advance);
  }
  ascent_ = static_cast<int>(std::ceil(metrics.ascent()));
  descent_ = std::max(static_cast<int>(std::ceil(metrics.descent())), 2);
  font_height_ = layout.font_height;
  char_width_ = layout.char_width;
}

const QFont& TextPainter::font_for(const TextLayout& layout) {
  if (layout.font_height != font_height_ || layout.char_width != char_width_) choose_font(layout);
  return font_;
}

void TextPainter::paint(QPainter& painter, const Frame& frame) {
  const TextLayout& layout = frame.layout;
  painter.save();
  painter.setFont(font_for(layout));
  const int cw = layout.char_width;
  const int lh = layout.line_height;
  // Cells first, then characters, so descenders reaching into the next
  // row are not painted over.
  for (int row = 0; row < kTextRows; ++row) {
    for (const TextRun& run : row_runs(*frame.text, row)) {
      const Point origin = layout.cell_origin(row, run.column);
      const QColor cell = to_qcolor(attribute_colours(run.attribute, frame.black_background).cell);
      painter.fillRect(origin.x, origin.y, cw * static_cast<int>(run.text.size()), lh, cell);
    }
  }
  painter.scale(x_scale_, 1.0);
  for (int row = 0; row < kTextRows; ++row) {
    for (const TextRun& run : row_runs(*frame.text, row)) {
      const Point origin = layout.cell_origin(row, run.column);
      painter.setPen(to_qcolor(attribute_colours(run.attribute, frame.black_background).text));
      const QString text = QString::fromLatin1(run.text.data(), static_cast<qsizetype>(run.text.size()));
      painter.drawText(QPointF(origin.x / x_scale_, origin.y + ascent_), text);
    }
  }
  painter.restore();
  if (frame.caret_visible) {
    const Point caret = caret_position(layout, frame.caret_row, frame.caret_column, ascent_);
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.fillRect(caret.x, caret.y, cw, descent_, Qt::white);
    painter.restore();
  }
}

}  // namespace plv::host
