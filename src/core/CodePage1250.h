#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pramo {

// Stored strings are Windows-1250 bytes; in memory every text is UTF-8. The five bytes that the code page
// leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98) travel as the control characters of the same number,
// so that any byte read from a file comes back unchanged when it is written again.

std::string Utf8From1250(std::string_view bytes);

// The Windows-1250 bytes of a UTF-8 text, or nothing when the text is not valid UTF-8 or holds a
// character the code page cannot hold.
std::optional<std::string> To1250(std::string_view utf8);

// Number of characters of a valid UTF-8 text.
std::size_t CharacterCount(std::string_view utf8);

// The first `count` characters of a valid UTF-8 text.
std::string FirstCharacters(std::string_view utf8, std::size_t count);

}  // namespace pramo
