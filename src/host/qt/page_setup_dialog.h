#pragma once
// The Page Setup and Pen Width dialogs. Each edits the values it was given;
// OK with text that does not read shows the error and keeps the dialog open.

#include <QDialog>
#include <functional>
#include <string_view>

#include "host/window_system.h"

namespace plv::host {

class SteppedField;

// How a dialog tells of a bad entry: an error box by default.
using EntryError = std::function<void(QWidget* parent, std::string_view text, std::string_view title)>;
void show_entry_error(QWidget* parent, std::string_view text, std::string_view title);

class PageSetupDialog final : public QDialog {
 public:
  // The orientation is written to `values` as soon as it is chosen, so it
  // stays even when the dialog is cancelled.
  PageSetupDialog(PageSetup& values, QWidget* parent, EntryError error = show_entry_error);
  void accept() override;

  SteppedField* top() const { return top_; }
  SteppedField* left() const { return left_; }
  SteppedField* width() const { return width_; }

 private:
  PageSetup& values_;
  EntryError error_;
  SteppedField* top_;
  SteppedField* left_;
  SteppedField* width_;
};

class PenWidthDialog final : public QDialog {
 public:
  PenWidthDialog(PenWidths& values, QWidget* parent, EntryError error = show_entry_error);
  void accept() override;

  SteppedField* window() const { return window_; }
  SteppedField* printer() const { return printer_; }
  SteppedField* metafile() const { return metafile_; }

 private:
  PenWidths& values_;
  EntryError error_;
  SteppedField* window_;
  SteppedField* printer_;
  SteppedField* metafile_;
};

}  // namespace plv::host
