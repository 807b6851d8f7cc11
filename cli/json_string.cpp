#include "cli/json_string.h"

#include "document/cp1251.h"

namespace verstak::batch {

void AppendJsonString(std::string& json, std::string_view cp1251) {
  json += '"';
  std::size_t run = 0;
  for (std::size_t i = 0; i < cp1251.size(); ++i) {
    const auto c = static_cast<unsigned char>(cp1251[i]);
    if (c >= 0x20 && c != '"' && c != '\\') continue;
    AppendCp1251AsUtf8(json, cp1251.substr(run, i - run));
    run = i + 1;
    json += '\\';
    if (c >= 0x20) {
      json += static_cast<char>(c);
    } else {
      static constexpr char kHex[] = "0123456789abcdef";
      json += "u00";
      json += kHex[c >> 4];
      json += kHex[c & 0xF];
    }
  }
  AppendCp1251AsUtf8(json, cp1251.substr(run));
  json += '"';
}

}  // namespace verstak::batch
