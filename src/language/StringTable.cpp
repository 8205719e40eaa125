#include "language/StringTable.h"

#include <utility>

namespace pramo {
namespace {

std::map<int, std::string>& LanguageTexts() {
  static std::map<int, std::string> texts;
  return texts;
}

}  // namespace

std::string Tr(const Text& text) {
  const auto& overrides = LanguageTexts();
  if (auto it = overrides.find(text.id); it != overrides.end()) return it->second;
  return std::string(text.czech);
}

std::string Format(const Text& text, std::initializer_list<std::string> args) {
  const std::string pattern = Tr(text);
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const std::size_t n = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (n < args.size()) {
        out += *(args.begin() + n);
        ++i;
        continue;
      }
    }
    out += pattern[i];
  }
  return out;
}

void SetLanguageTexts(std::map<int, std::string> texts) {
  LanguageTexts() = std::move(texts);
}

}  // namespace pramo
