#pragma once

#include <initializer_list>
#include <map>
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

// Makes the given texts override the built-in ones (a loaded language module); an empty map returns
// to the built-in Czech texts.
void SetLanguageTexts(std::map<int, std::string> texts);

}  // namespace pramo
