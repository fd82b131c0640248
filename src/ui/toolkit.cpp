#include "ui/toolkit.h"

#include "kernel/kernel.h"

namespace plv::ui {

Toolkit::Toolkit(kernel::Kernel& kernel) : kernel_(kernel), screen_(kernel.host()) {}

host::Key Toolkit::wait_key() {
  const host::Key key = kernel_.gkkey();
  if (key.is_close()) throw CloseRequested{};
  return key;
}

}  // namespace plv::ui
