#include "host/qt/stepped_field.h"

#include <QLineEdit>
#include <cstdlib>

namespace plv::host {

SteppedField::SteppedField(const std::string& text, int max_length, Step step, QWidget* parent)
    : QAbstractSpinBox(parent), step_(std::move(step)) {
  if (max_length > 0) lineEdit()->setMaxLength(max_length);
  set_value_text(text);
}

std::string SteppedField::value_text() const { return lineEdit()->text().toStdString(); }

void SteppedField::set_value_text(const std::string& text) { lineEdit()->setText(QString::fromStdString(text)); }

void SteppedField::stepBy(int steps) {
  const int direction = steps > 0 ? 1 : -1;
  for (int i = 0; i < std::abs(steps); ++i) {
    const auto next = step_(value_text(), direction);
    if (!next) return;
    set_value_text(*next);
  }
}

}  // namespace plv::host
