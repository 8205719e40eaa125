#include "language/StringTable.h"

#include <utility>

namespace pramo {
namespace {

LanguageLookup& LanguageTexts() {
  static LanguageLookup lookup;
  return lookup;
}

}  // namespace

std::string Tr(const Text& text) {
  if (const LanguageLookup& lookup = LanguageTexts())
    if (std::optional<std::string> translated = lookup(text)) return *std::move(translated);
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

void UseLanguageLookup(LanguageLookup lookup) {
  LanguageTexts() = std::move(lookup);
}

void SetLanguageTexts(std::map<int, std::string> texts) {
  if (texts.empty()) {
    UseLanguageLookup({});
    return;
  }
  UseLanguageLookup([texts = std::move(texts)](const Text& text) -> std::optional<std::string> {
    if (auto it = texts.find(text.id); it != texts.end()) return it->second;
    return std::nullopt;
  });
}

}  // namespace pramo
