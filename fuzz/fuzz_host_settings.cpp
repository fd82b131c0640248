// orvlab.ini: any file reads to settings; a profile keeps what it is
// given, and a key set reads back.

#include "fuzz_input.h"
#include "host/host_settings.h"
#include "host/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = plv::fuzz::as_text(data, size);
  const plv::fuzz::MemoryFile file(text);
  (void)plv::host::read_host_settings(file.path());

  plv::host::IniFile ini = plv::host::IniFile::parse(text);
  ini.set("Window", "ColorWindow", "1");
  const plv::host::IniFile back = plv::host::IniFile::parse(ini.text());
  PLV_FUZZ_CHECK(back.get("window", "colorwindow") == std::optional<std::string>("1"));
  return 0;
}
