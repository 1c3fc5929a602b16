#pragma once

#include <cstddef>
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

enum class JsonValueKind { kObject, kArray, kString, kOther };

// What a reader of a JSON document is told, in document order, each member name and value with
// where it starts; the library's tree would keep no positions, and no tree is built.
class JsonEvents {
 public:
  virtual ~JsonEvents() = default;
  // An object or array is followed by its contents and Close(). `text` is a string's text (the
  // reader may move it away), null for any other kind.
  virtual void Value(JsonValueKind kind, std::string* text, TextPosition at) = 0;
  virtual void Name(std::string& name, TextPosition at) = 0;
  virtual void Close() = 0;
};

struct JsonProblem {
  TextPosition at;
  std::string text;
};

struct JsonLimits {
  std::size_t depth = 0;    // objects and arrays open at once
  std::size_t members = 0;  // in any one object
};

struct JsonReadOutcome {
  std::optional<JsonProblem> syntax;    // not JSON, or past a limit: reading stopped there
  std::optional<JsonProblem> repeated;  // the first member name given twice in one object
};

// Reads `text` once, telling `events` what it holds. Past a limit it stops at once, so a hostile
// file costs no more than the limits allow.
JsonReadOutcome ReadJson(std::string_view text, const JsonLimits& limits, JsonEvents& events);

}  // namespace tamberlyx::cli
