#include "cli/apply_file/json_positions.h"

#include <algorithm>
#include <iterator>
#include <nlohmann/json.hpp>
#include <set>
#include <utility>
#include <vector>

#include "protocol/utf8.h"

namespace tamberlyx::cli {
namespace {

// Counts the characters the library's lexer has taken, so each event can be placed.
class CountingIterator {
 public:
  using iterator_category = std::input_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = const char&;

  CountingIterator(const char* at, std::size_t* taken) : m_at(at), m_taken(taken) {}
  reference operator*() const { return *m_at; }
  CountingIterator& operator++() {
    ++m_at;
    ++*m_taken;
    return *this;
  }
  CountingIterator operator++(int) {
    CountingIterator before = *this;
    ++*this;
    return before;
  }
  bool operator==(const CountingIterator& other) const { return m_at == other.m_at; }

 private:
  const char* m_at;
  std::size_t* m_taken;
};

// The parse error text without the library's prefix and its own (byte-counted) position.
std::string SyntaxText(const std::string& what) {
  const std::size_t column = what.find("column ");
  const std::size_t colon = what.find(": ", column == std::string::npos ? 0 : column);
  return colon == std::string::npos ? what : what.substr(colon + 2);
}

// Moves forward through the text as the lexer does, so placing every token costs one pass over
// the text in all, not one pass each (a file of a thousand devices has tens of thousands).
class PositionCursor {
 public:
  explicit PositionCursor(std::string_view text) : m_text(text) {}
  TextPosition At(std::size_t offset) {
    if (offset < m_offset) *this = PositionCursor(m_text);
    while (m_offset < offset && m_offset < m_text.size()) {
      if (m_text[m_offset] == '\n') {
        ++m_at.line;
        m_at.column = 1;
        ++m_offset;
        continue;
      }
      const bool ascii = static_cast<unsigned char>(m_text[m_offset]) < 0x80;
      m_offset += ascii ? 1 : std::max<std::size_t>(Utf8SequenceLength(m_text, m_offset), 1);
      ++m_at.column;
    }
    return m_at;
  }

 private:
  std::string_view m_text;
  std::size_t m_offset = 0;
  TextPosition m_at;
};

// A name as a JSON pointer writes it ("~" and "/" escaped), as the repeated-name refusal has
// always shown it.
std::string PointerToken(std::string_view name) {
  std::string token;
  for (const char c : name) {
    if (c == '~') {
      token += "~0";
    } else if (c == '/') {
      token += "~1";
    } else {
      token += c;
    }
  }
  return token;
}

}  // namespace

TextPosition PositionAt(std::string_view text, std::size_t offset) {
  offset = std::min(offset, text.size());
  const std::string_view before = text.substr(0, offset);
  const std::size_t lineStart = before.rfind('\n');
  TextPosition at;
  for (const char c : before) at.line += c == '\n' ? 1 : 0;
  const std::size_t from = lineStart == std::string_view::npos ? 0 : lineStart + 1;
  at.column = static_cast<int>(Utf8CharacterCount(before.substr(from))) + 1;
  return at;
}

namespace {

// The SAX side: places each event, keeps to the limits and finds repeated names.
class EventSource : public nlohmann::json_sax<nlohmann::json> {
 public:
  EventSource(std::string_view text, const JsonLimits& limits, JsonEvents& events,
              JsonReadOutcome& outcome)
      : m_text(text), m_limits(limits), m_events(events), m_outcome(outcome), m_cursor(text) {}
  std::size_t* Taken() { return &m_taken; }

  bool null() override { return Scalar(JsonValueKind::kOther, nullptr); }
  bool boolean(bool) override { return Scalar(JsonValueKind::kOther, nullptr); }
  bool number_integer(number_integer_t) override { return Scalar(JsonValueKind::kOther, nullptr); }
  bool number_unsigned(number_unsigned_t) override {
    return Scalar(JsonValueKind::kOther, nullptr);
  }
  bool number_float(number_float_t, const string_t&) override {
    return Scalar(JsonValueKind::kOther, nullptr);
  }
  bool string(string_t& text) override { return Scalar(JsonValueKind::kString, &text); }
  bool binary(binary_t&) override { return Scalar(JsonValueKind::kOther, nullptr); }
  bool start_object(std::size_t) override { return Open(JsonValueKind::kObject); }
  bool start_array(std::size_t) override { return Open(JsonValueKind::kArray); }
  bool end_object() override {
    m_names.pop_back();
    return Close();
  }
  bool end_array() override { return Close(); }
  bool key(string_t& name) override {
    std::set<std::string>& names = m_names.back();
    const TextPosition at = Here();
    if (names.size() >= m_limits.members) {
      m_outcome.syntax = {
          at, "more than " + std::to_string(m_limits.members) + " members in one object"};
      return false;
    }
    if (!names.insert(name).second && !m_outcome.repeated) {
      m_outcome.repeated = {at, "\"" + PointerToken(name) + "\" is given twice"};
    }
    m_events.Name(name, at);
    return true;
  }
  bool parse_error(std::size_t byte, const std::string&,
                   const nlohmann::detail::exception& problem) override {
    m_outcome.syntax = {PositionAt(m_text, byte == 0 ? 0 : byte - 1), SyntaxText(problem.what())};
    return false;
  }

 private:
  // Between two tokens there are only blanks and separators, which no event reports.
  TextPosition Here() {
    std::size_t start = m_end;
    while (start < m_text.size() &&
           std::string_view(" \t\r\n,:").find(m_text[start]) != std::string_view::npos) {
      ++start;
    }
    m_end = m_taken;
    return m_cursor.At(start);
  }
  bool Scalar(JsonValueKind kind, std::string* text) {
    m_events.Value(kind, text, Here());
    return true;
  }
  bool Open(JsonValueKind kind) {
    if (m_depth >= m_limits.depth) {
      m_outcome.syntax = {m_cursor.At(m_taken == 0 ? 0 : m_taken - 1),
                          "nested deeper than " + std::to_string(m_limits.depth) + " levels"};
      return false;
    }
    ++m_depth;
    const TextPosition at = Here();
    if (kind == JsonValueKind::kObject) m_names.emplace_back();
    m_events.Value(kind, nullptr, at);
    return true;
  }
  bool Close() {
    m_end = m_taken;
    --m_depth;
    m_events.Close();
    return true;
  }

  std::string_view m_text;
  const JsonLimits& m_limits;
  JsonEvents& m_events;
  JsonReadOutcome& m_outcome;
  PositionCursor m_cursor;
  std::vector<std::set<std::string>> m_names;  // of each open object
  std::size_t m_depth = 0;
  std::size_t m_taken = 0;  // characters the lexer has read
  std::size_t m_end = 0;    // where the last token reported ended
};

}  // namespace

JsonReadOutcome ReadJson(std::string_view text, const JsonLimits& limits, JsonEvents& events) {
  JsonReadOutcome outcome;
  EventSource source(text, limits, events, outcome);
  const CountingIterator first(text.data(), source.Taken());
  const CountingIterator last(text.data() + text.size(), source.Taken());
  nlohmann::json::sax_parse(first, last, &source);
  return outcome;
}

}  // namespace tamberlyx::cli
