#include "ui/toolkit.h"

#include "host/events.h"
#include "kernel/kernel.h"

namespace plv::ui {

Toolkit::Toolkit(kernel::Kernel& kernel) : kernel_(kernel), screen_(kernel.host()) {}

void Toolkit::end_program() {
  if (shutdown_) shutdown_();
  // A shutdown that came back still has to end the program.
  kernel_.gkexit();
}

void Toolkit::wait_any_key() {
  if (kernel_.gkkey() == host::keys::kClose) end_program();
}

}  // namespace plv::ui
