#pragma once
// A free-text field with spin arrows: the text is whatever the user types,
// and each arrow step asks `step` for the next text (none: unchanged).

#include <QAbstractSpinBox>
#include <functional>
#include <optional>
#include <string>

namespace plv::host {

class SteppedField final : public QAbstractSpinBox {
 public:
  // Given the current text and +1 or -1, the text after one step.
  using Step = std::function<std::optional<std::string>(const std::string& text, int direction)>;

  SteppedField(const std::string& text, int max_length, Step step, QWidget* parent = nullptr);

  std::string value_text() const;
  void set_value_text(const std::string& text);
  void stepBy(int steps) override;

 protected:
  StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

 private:
  Step step_;
};

}  // namespace plv::host
