#pragma once
// The program's icon, drawn rather than loaded so no resource file is needed.

#include <QIcon>

namespace plv::host {

QIcon app_icon();

}  // namespace plv::host
