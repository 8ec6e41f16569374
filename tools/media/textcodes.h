// Descriptions are stored as 8-bit characters (Latin-1 here); the command
// line and the terminal speak UTF-8.
#pragma once

#include <optional>
#include <string>

namespace zt {

// Nothing when the text is not valid UTF-8 or holds a character beyond U+00FF.
std::optional<std::string> Utf8ToLatin1(const std::string& utf8);
std::string Latin1ToUtf8(const std::string& latin1);

} // namespace zt
