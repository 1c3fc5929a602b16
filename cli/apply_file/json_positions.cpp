#include "cli/apply_file/json_positions.h"

#include <algorithm>
#include <iterator>
#include <nlohmann/json.hpp>
#include <set>
#include <vector>

#include "protocol/utf8.h"

namespace tamberlyx::cli {
namespace {

// Deeper than any devices file goes; a hostile file is refused at this depth at once instead of
// costing time and memory in proportion to its depth.
constexpr std::size_t kMaxDepth = 64;
// Positions are asked for no deeper than a setting's value, /devices/N/settings/KEY, and below
// the top only under /devices: what lies under an unknown member is refused with the member.
constexpr std::size_t kIndexedDepth = 4;
constexpr char kIndexedMember[] = "devices";

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
      m_offset += std::max<std::size_t>(Utf8SequenceLength(m_text, m_offset), 1);
      ++m_at.column;
    }
    return m_at;
  }

 private:
  std::string_view m_text;
  std::size_t m_offset = 0;
  TextPosition m_at;
};

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

// The SAX side: keeps the path to the current value and the start of each token.
class PositionRecorder : public nlohmann::json_sax<nlohmann::json> {
 public:
  PositionRecorder(std::string_view text, JsonPositions& positions,
                   JsonPositions::SyntaxError& error)
      : m_text(text), m_positions(positions), m_error(error), m_cursor(text) {}
  std::size_t* Taken() { return &m_taken; }

  bool null() override { return Scalar(); }
  bool boolean(bool) override { return Scalar(); }
  bool number_integer(number_integer_t) override { return Scalar(); }
  bool number_unsigned(number_unsigned_t) override { return Scalar(); }
  bool number_float(number_float_t, const string_t&) override { return Scalar(); }
  bool string(string_t&) override { return Scalar(); }
  bool binary(binary_t&) override { return Scalar(); }
  bool start_object(std::size_t) override { return Open(false); }
  bool start_array(std::size_t) override { return Open(true); }
  bool end_object() override { return Close(); }
  bool end_array() override { return Close(); }
  bool key(string_t& name) override {
    Frame& frame = m_frames.back();
    frame.key = PointerToken(name);
    const bool repeated = !frame.names.insert(frame.key).second && !m_positions.m_repeated;
    const TextPosition at = Here();
    if (repeated) m_positions.m_repeated = Pointer();
    // The first repeated name is placed at any depth: it is what the refusal points at.
    if (repeated || Indexed()) m_positions.m_names[Pointer()] = at;
    return true;
  }
  bool parse_error(std::size_t byte, const std::string&,
                   const nlohmann::detail::exception& problem) override {
    m_error = {PositionAt(m_text, byte == 0 ? 0 : byte - 1), SyntaxText(problem.what())};
    return false;
  }

 private:
  struct Frame {
    bool array = false;
    std::size_t index = 0;
    std::string key;
    std::set<std::string> names;
  };

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
  bool Indexed() const {
    if (m_frames.size() > kIndexedDepth) return false;
    return m_frames.size() <= 1 || (!m_frames[0].array && m_frames[0].key == kIndexedMember);
  }
  std::string Pointer() const {
    std::string pointer;
    for (const Frame& frame : m_frames) {
      pointer += "/" + (frame.array ? std::to_string(frame.index) : frame.key);
    }
    return pointer;
  }
  void Record() {
    const TextPosition at = Here();
    if (Indexed()) m_positions.m_values[Pointer()] = at;
  }
  bool Scalar() {
    Record();
    Advance();
    return true;
  }
  bool Open(bool array) {
    if (m_frames.size() >= kMaxDepth) {
      m_error = {m_cursor.At(m_taken == 0 ? 0 : m_taken - 1),
                 "nested deeper than " + std::to_string(kMaxDepth) + " levels"};
      return false;
    }
    Record();
    m_frames.push_back({array, 0, {}, {}});
    return true;
  }
  bool Close() {
    m_end = m_taken;
    m_frames.pop_back();
    Advance();
    return true;
  }
  void Advance() {
    if (!m_frames.empty() && m_frames.back().array) ++m_frames.back().index;
  }

  std::string_view m_text;
  JsonPositions& m_positions;
  JsonPositions::SyntaxError& m_error;
  PositionCursor m_cursor;
  std::vector<Frame> m_frames;
  std::size_t m_taken = 0;  // characters the lexer has read
  std::size_t m_end = 0;    // where the last token reported ended
};

std::optional<JsonPositions> JsonPositions::Index(std::string_view text, SyntaxError& error) {
  JsonPositions positions;
  PositionRecorder recorder(text, positions, error);
  const CountingIterator first(text.data(), recorder.Taken());
  const CountingIterator last(text.data() + text.size(), recorder.Taken());
  if (!nlohmann::json::sax_parse(first, last, &recorder)) return std::nullopt;
  return positions;
}

TextPosition JsonPositions::Value(const std::string& pointer) const {
  const auto found = m_values.find(pointer);
  return found == m_values.end() ? TextPosition{} : found->second;
}

TextPosition JsonPositions::Name(const std::string& pointer) const {
  const auto found = m_names.find(pointer);
  return found == m_names.end() ? Value(pointer) : found->second;
}

}  // namespace tamberlyx::cli
