#include "host/qt/export_choices_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>

namespace plv::host {

ExportChoicesDialog::ExportChoicesDialog(ExportChoices& choices, QWidget* parent)
    : QDialog(parent),
      choices_(choices),
      colour_(new QRadioButton("&Colour")),
      mono_(new QRadioButton("&Mono")),
      lettering_(new QComboBox) {
  setWindowTitle("Export the drawing");
  (choices.colour ? colour_ : mono_)->setChecked(true);
  for (const std::string& face : choices.typefaces) lettering_->addItem(QString::fromStdString(face));
  lettering_->setCurrentIndex(choices.typeface);

  auto* ink = new QHBoxLayout;
  ink->addWidget(colour_);
  ink->addWidget(mono_);
  auto* form = new QFormLayout(this);
  form->addRow("Ink:", ink);
  form->addRow("&Lettering:", lettering_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ExportChoicesDialog::accept() {
  choices_.colour = colour_->isChecked();
  choices_.typeface = lettering_->currentIndex();
  QDialog::accept();
}

}  // namespace plv::host
