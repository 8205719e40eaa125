#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pramo {

// An INI file of sections and key=value lines, kept as its lines so that a change of one value leaves every
// other line as it was. Section and key names match without regard to ASCII case.
//
// Values are handled as bytes of the stored strings' code page (Windows-1250), which is what the scrambled
// and transformed values are. The file itself is UTF-8; a file written by the older program, which is
// Windows-1250 throughout, is recognised because it is not valid UTF-8 (its section "pracovní" alone
// makes sure of that) and read as Windows-1250. A byte that a line of text cannot hold (line breaks and
// other control characters, a blank at either end, the backslash) is written as "\xHH"; the older program
// never wrote a backslash in a scrambled or transformed value, so both forms read unambiguously.
class IniFile {
 public:
  static IniFile Parse(std::string_view fileBytes);
  // Whether the bytes read as an INI file at all: blank, or with a section header somewhere. The older
  // program's transformed values hold any byte (line ends and NUL among them), so stray lines are no sign
  // of damage; a file without any section is noise whose keys cannot be known.
  static bool Readable(std::string_view fileBytes);

  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  void SetValue(std::string_view section, std::string_view key, std::string_view value);
  std::string Serialize() const;

 private:
  std::optional<std::size_t> SectionLine(std::string_view section) const;
  std::vector<std::string> m_lines;  // UTF-8, without line ends
};

// The escaped form of a value (code-page bytes) as a line of the file holds it (UTF-8), and back.
std::string EscapeIniValue(std::string_view bytes);
std::string UnescapeIniValue(std::string_view text);

bool IsValidUtf8(std::string_view text);

}  // namespace pramo
