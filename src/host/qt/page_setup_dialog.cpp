#include "host/qt/page_setup_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "host/page_setup_fields.h"
#include "host/qt/stepped_field.h"

namespace plv::host {

namespace {

QString text_of(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

SteppedField::Step inch_steps(int minimum) {
  return [minimum](const std::string& text, int direction) -> std::optional<std::string> {
    const auto value = parse_inches(text);
    if (!value) return std::nullopt;  // nothing to step from
    return format_inches(step_inches(*value, direction, minimum));
  };
}

std::optional<std::string> pen_step(const std::string& text, int direction) {
  const auto value = parse_pen_width(text);
  if (!value) return std::nullopt;
  return std::to_string(step_pen_width(*value, direction));
}

QDialogButtonBox* ok_cancel(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

}  // namespace

void show_entry_error(QWidget* parent, std::string_view text, std::string_view title) {
  QMessageBox::critical(parent, text_of(title), text_of(text));
}

PageSetupDialog::PageSetupDialog(PageSetup& values, QWidget* parent, EntryError error)
    : QDialog(parent), values_(values), error_(std::move(error)) {
  setWindowTitle(text_of(kPageSetupTitle));
  top_ = new SteppedField(format_inches(values.top_margin), kInchFieldLength, inch_steps(0), this);
  left_ = new SteppedField(format_inches(values.left_margin), kInchFieldLength, inch_steps(0), this);
  width_ = new SteppedField(format_inches(values.width), kInchFieldLength, inch_steps(10), this);
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("&Top margin:"), top_);
  fields->addRow(QStringLiteral("&Left margin:"), left_);
  fields->addRow(QStringLiteral("&Width:"), width_);

  auto* portrait = new QRadioButton(QStringLiteral("Portrait"));
  auto* landscape = new QRadioButton(QStringLiteral("Landscape"));
  (values.landscape ? landscape : portrait)->setChecked(true);
  connect(landscape, &QRadioButton::toggled, this, [this](bool on) { values_.landscape = on; });
  auto* orientation = new QGroupBox(QStringLiteral("Orientation"));
  auto* radios = new QVBoxLayout(orientation);
  radios->addWidget(portrait);
  radios->addWidget(landscape);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(orientation);
  layout->addWidget(ok_cancel(this));
}

void PageSetupDialog::accept() {
  const auto read = read_page_setup(top_->value_text(), left_->value_text(), width_->value_text(), values_);
  if (!read) {
    error_(this, kPageSetupError, kPageSetupErrorTitle);
    return;
  }
  values_ = *read;
  QDialog::accept();
}

PenWidthDialog::PenWidthDialog(PenWidths& values, QWidget* parent, EntryError error)
    : QDialog(parent), values_(values), error_(std::move(error)) {
  setWindowTitle(text_of(kPenWidthTitle));
  window_ = new SteppedField(std::to_string(values.window), 0, pen_step, this);
  printer_ = new SteppedField(std::to_string(values.printer), 0, pen_step, this);
  metafile_ = new SteppedField(std::to_string(values.metafile), 0, pen_step, this);
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("Window:"), window_);
  fields->addRow(QStringLiteral("Printer:"), printer_);
  fields->addRow(QStringLiteral("EMF:"), metafile_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(ok_cancel(this));
}

void PenWidthDialog::accept() {
  const auto read = read_pen_widths(window_->value_text(), printer_->value_text(), metafile_->value_text());
  if (!read) {
    error_(this, kPenWidthError, kPenWidthErrorTitle);
    return;
  }
  values_ = *read;
  QDialog::accept();
}

}  // namespace plv::host
