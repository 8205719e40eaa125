#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace pramo {

// One entry of the program's string table: its number (the key a language module overrides) and the
// built-in Czech text. The entries themselves live in resources/strings, one header per subsystem.
struct Text {
  int id;
  std::string_view czech;
};

// The text of an entry in the language in force: the language module's when it has the entry,
// otherwise the built-in Czech text.
std::string Tr(const Text& text);

// Replaces %1 .. %9 in the entry's text by the arguments, in order.
std::string Format(const Text& text, std::initializer_list<std::string> args);

// Where the entries of a loaded language module come from: the module's text of an entry, or nothing
// where the module lacks it. An empty lookup returns to the built-in Czech texts.
using LanguageLookup = std::function<std::optional<std::string>(const Text&)>;
void UseLanguageLookup(LanguageLookup lookup);

// A module given as its texts by entry number.
void SetLanguageTexts(std::map<int, std::string> texts);

}  // namespace pramo
