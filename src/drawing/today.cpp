#include "drawing/today.h"

#include <ctime>
#include <string_view>

#include "text/field_format.h"

namespace plv {

std::string date_text(int day, int month, int year) {
  static constexpr std::string_view kMonths = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";
  const std::string_view name = (month >= 1 && month <= 12) ? kMonths.substr((month - 1) * 3, 3) : "???";
  return fmt::int_text(2, day) + "-" + std::string(name) + "-" + fmt::int_text(2, ((year % 100) + 100) % 100);
}

std::string today_date_text() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return date_text(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
}

}  // namespace plv
