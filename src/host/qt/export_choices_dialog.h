#pragma once
// File, Export's second question: the page's ink and its lettering, shown
// with the drawing's own choices selected.

#include <QDialog>

#include "host/window_system.h"

class QComboBox;
class QRadioButton;

namespace plv::host {

class ExportChoicesDialog final : public QDialog {
 public:
  ExportChoicesDialog(ExportChoices& choices, QWidget* parent);
  void accept() override;

  QRadioButton* colour() const { return colour_; }
  QRadioButton* mono() const { return mono_; }
  QComboBox* lettering() const { return lettering_; }

 private:
  ExportChoices& choices_;
  QRadioButton* colour_;
  QRadioButton* mono_;
  QComboBox* lettering_;
};

}  // namespace plv::host
