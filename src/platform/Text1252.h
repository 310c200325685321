#pragma once
// Code page 1252 <-> UTF-8, the one place where record texts meet messages and widgets.
#include <optional>
#include <string>
#include <string_view>

namespace v3 {

// Every byte has a character (the five bytes 1252 leaves undefined map to the
// control characters U+0081, U+008D, U+008F, U+0090, U+009D, so nothing is lost).
std::string Cp1252ToUtf8(std::string_view cp1252);

struct Utf8ToCp1252Result {
    std::optional<std::string> text;  // empty when a character cannot be held
    std::string badCharacter;         // the first such character, UTF-8
};
// Refuses text with a character code page 1252 cannot hold, or with broken UTF-8;
// never replaces a character silently.
Utf8ToCp1252Result Utf8ToCp1252(std::string_view utf8);

// The German message for a refused character, ready for a message box.
std::string RefusedCharacterMessage(const std::string& badCharacter);

// Short form for literals known to be representable (tests, tables); throws
// std::invalid_argument otherwise.
std::string Cp(std::string_view utf8);

}  // namespace v3
