#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tamberlyx::cli {

// A place in a text, both counted from 1; the column counts characters, not bytes.
struct TextPosition {
  int line = 1;
  int column = 1;
  bool operator==(const TextPosition&) const = default;
};

TextPosition PositionAt(std::string_view text, std::size_t offset);

// Where each value and each member name of a JSON document starts, by JSON pointer
// ("/devices/0/settings/sys.hostname"); the library's tree keeps no positions.
class JsonPositions {
 public:
  // nullopt and `error` (with its position) when the text is not JSON.
  struct SyntaxError {
    TextPosition at;
    std::string text;
  };
  static std::optional<JsonPositions> Index(std::string_view text, SyntaxError& error);

  // Where the value at `pointer` starts; the document's start when unknown.
  TextPosition Value(const std::string& pointer) const;
  // Where the member name that ends `pointer` starts; its value's position when unknown.
  TextPosition Name(const std::string& pointer) const;
  // The first member name given twice in one object, if any.
  const std::optional<std::string>& Repeated() const { return m_repeated; }

 private:
  friend class PositionRecorder;
  std::map<std::string, TextPosition> m_values;
  std::map<std::string, TextPosition> m_names;
  std::optional<std::string> m_repeated;
};

// A JSON pointer's reference token for `name` ("~" and "/" escaped).
std::string PointerToken(std::string_view name);

}  // namespace tamberlyx::cli
