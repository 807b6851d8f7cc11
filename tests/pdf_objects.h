#pragma once
// A reader of a PDF file's objects, written for the tests from the format's
// description (ISO 32000: the cross-reference table, the trailer, the
// object syntax, Flate streams through zlib), independent of libhpdf: the
// PDF/X checks read what a press's preflight reads.

#include <zlib.h>

#include <cctype>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace verstak::testing::pdf {

struct Name {
  std::string text;  // without the slash, #xx escapes undone
  friend bool operator==(const Name&, const Name&) = default;
};
struct Ref {
  int number = 0;
  int generation = 0;
};
struct Object;
struct Entry;  // a pair would need Object complete, which libc++ and Clang insist on
using Array = std::vector<Object>;
using Dict = std::vector<Entry>;

struct Object {
  std::variant<std::monostate, bool, double, std::string, Name, Array, Dict, Ref> value;
  bool isStream = false;
  std::string streamBytes;  // as stored, still encoded

  bool is(std::string_view name) const {
    const auto* n = std::get_if<Name>(&value);
    return n && n->text == name;
  }
  const Dict* dict() const { return std::get_if<Dict>(&value); }
  const Array* array() const { return std::get_if<Array>(&value); }
  const std::string* string() const { return std::get_if<std::string>(&value); }
  const double* number() const { return std::get_if<double>(&value); }
  // The entry `key` of a dictionary, or nullptr.
  const Object* get(std::string_view key) const;
};

struct Entry {
  std::string key;
  Object value;
};

inline const Object* Object::get(std::string_view key) const {
  if (const Dict* d = dict()) {
    for (const auto& [k, v] : *d)
      if (k == key) return &v;
  }
  return nullptr;
}

class File {
 public:
  explicit File(std::string bytes) : bytes_(std::move(bytes)) { readCrossReferences(); }

  std::string_view header() const { return std::string_view(bytes_).substr(0, bytes_.find('\n')); }
  const Object& trailer() const { return trailer_; }
  int objectCount() const { return static_cast<int>(offsets_.size()); }

  // Object `number` of the table (a null object for a free entry).
  Object object(int number) const {
    if (number <= 0 || number >= objectCount() || offsets_[static_cast<std::size_t>(number)] == 0) return {};
    std::size_t at = offsets_[static_cast<std::size_t>(number)];
    number_(at);
    number_(at);
    expectWord(at, "obj");
    Object object = parse(at);
    skipBlanks(at);
    if (bytes_.compare(at, 6, "stream") == 0) {
      at += 6;
      if (bytes_[at] == '\r') ++at;
      if (bytes_[at] == '\n') ++at;
      const Object length = resolve(*object.get("Length"));
      object.isStream = true;
      object.streamBytes = bytes_.substr(at, static_cast<std::size_t>(*length.number()));
    }
    return object;
  }

  // A reference followed; anything else as it is.
  Object resolve(const Object& object) const {
    if (const auto* ref = std::get_if<Ref>(&object.value)) return this->object(ref->number);
    return object;
  }
  // `key` of a dictionary, followed when a reference; a null object when absent.
  Object get(const Object& dict, std::string_view key) const {
    const Object* found = dict.get(key);
    return found ? resolve(*found) : Object{};
  }

  // Whether a stream's one filter (a name or an array of one) is Flate.
  static bool IsFlate(const Object& stream) {
    const Object* filter = stream.get("Filter");
    if (filter && filter->array() && filter->array()->size() == 1) filter = &filter->array()->front();
    return filter && filter->is("FlateDecode");
  }

  // A stream's data, Flate-decoded when its filter says so.
  static std::string decoded(const Object& stream) {
    if (!stream.get("Filter")) return stream.streamBytes;
    if (!IsFlate(stream)) throw std::runtime_error("a filter other than Flate");
    std::string out(stream.streamBytes.size() * 8 + 1024, '\0');
    for (;;) {
      uLongf size = static_cast<uLongf>(out.size());
      const int status = uncompress(reinterpret_cast<Bytef*>(out.data()), &size,
                                    reinterpret_cast<const Bytef*>(stream.streamBytes.data()),
                                    static_cast<uLong>(stream.streamBytes.size()));
      if (status == Z_OK) {
        out.resize(size);
        return out;
      }
      if (status != Z_BUF_ERROR) throw std::runtime_error("a Flate stream that does not decode");
      out.resize(out.size() * 4);
    }
  }

  // The page dictionaries in page order.
  std::vector<Object> pages() const {
    std::vector<Object> found;
    collectPages(get(get(trailer_, "Root"), "Pages"), found);
    return found;
  }

 private:
  void collectPages(const Object& node, std::vector<Object>& found) const {
    if (node.get("Type") && node.get("Type")->is("Page")) {
      found.push_back(node);
      return;
    }
    if (const Object* kids = node.get("Kids"))
      for (const Object& kid : *kids->array()) collectPages(resolve(kid), found);
  }

  void readCrossReferences() {
    const std::size_t start = bytes_.rfind("startxref");
    if (start == std::string::npos) throw std::runtime_error("no startxref");
    std::size_t at = start + 9;
    std::size_t table = static_cast<std::size_t>(number_(at));
    expectWord(table, "xref");
    const int first = static_cast<int>(number_(table));
    const int count = static_cast<int>(number_(table));
    offsets_.assign(static_cast<std::size_t>(first + count), 0);
    for (int i = 0; i < count; ++i) {
      const double offset = number_(table);
      number_(table);
      skipBlanks(table);
      const char kind = bytes_[table++];
      if (kind == 'n') offsets_[static_cast<std::size_t>(first + i)] = static_cast<std::size_t>(offset);
    }
    expectWord(table, "trailer");
    trailer_ = parse(table);
  }

  static bool IsDelimiter(char c) { return std::string_view("()<>[]{}/%").find(c) != std::string_view::npos; }
  static bool IsBlank(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0'; }

  void skipBlanks(std::size_t& at) const {
    while (at < bytes_.size()) {
      if (IsBlank(bytes_[at])) {
        ++at;
      } else if (bytes_[at] == '%') {
        while (at < bytes_.size() && bytes_[at] != '\n' && bytes_[at] != '\r') ++at;
      } else {
        return;
      }
    }
  }
  std::string word(std::size_t& at) const {
    skipBlanks(at);
    const std::size_t begin = at;
    while (at < bytes_.size() && !IsBlank(bytes_[at]) && !IsDelimiter(bytes_[at])) ++at;
    return bytes_.substr(begin, at - begin);
  }
  void expectWord(std::size_t& at, std::string_view expected) const {
    if (word(at) != expected) throw std::runtime_error("expected " + std::string(expected));
  }
  double number_(std::size_t& at) const {
    const std::string text = word(at);
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0') throw std::runtime_error("expected a number: " + text);
    return value;
  }

  template <class Value>
  static Object Make(Value value) {
    Object made;
    made.value = std::move(value);
    return made;
  }

  Object parse(std::size_t& at) const {
    skipBlanks(at);
    const char c = bytes_.at(at);
    if (bytes_.compare(at, 2, "<<") == 0) return Make(parseDict(at));
    if (c == '<') return Make(parseHex(at));
    if (c == '(') return Make(parseLiteral(at));
    if (c == '/') return Make(parseName(at));
    if (c == '[') {
      ++at;
      Array items;
      for (skipBlanks(at); bytes_.at(at) != ']'; skipBlanks(at)) items.push_back(parse(at));
      ++at;
      return Make(items);
    }
    const std::string text = word(at);
    if (text == "true" || text == "false") return Make(text == "true");
    if (text == "null") return {};
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0') throw std::runtime_error("unknown token: " + text);
    // "N G R" is a reference.
    std::size_t ahead = at;
    const std::string generation = word(ahead);
    if (!generation.empty() && std::isdigit(static_cast<unsigned char>(generation[0])) && word(ahead) == "R") {
      at = ahead;
      return Make(Ref{static_cast<int>(value), std::atoi(generation.c_str())});
    }
    return Make(value);
  }

  Dict parseDict(std::size_t& at) const {
    at += 2;
    Dict entries;
    for (skipBlanks(at); bytes_.compare(at, 2, ">>") != 0; skipBlanks(at)) {
      Name key = parseName(at);
      entries.push_back(Entry{key.text, parse(at)});
    }
    at += 2;
    return entries;
  }

  Name parseName(std::size_t& at) const {
    ++at;
    std::string text;
    while (at < bytes_.size() && !IsBlank(bytes_[at]) && !IsDelimiter(bytes_[at])) {
      if (bytes_[at] == '#') {
        text += static_cast<char>(std::stoi(bytes_.substr(at + 1, 2), nullptr, 16));
        at += 3;
      } else {
        text += bytes_[at++];
      }
    }
    return {text};
  }

  std::string parseHex(std::size_t& at) const {
    ++at;
    std::string digits;
    while (bytes_.at(at) != '>') {
      if (std::isxdigit(static_cast<unsigned char>(bytes_[at]))) digits += bytes_[at];
      ++at;
    }
    ++at;
    if (digits.size() % 2) digits += '0';
    std::string out;
    for (std::size_t i = 0; i < digits.size(); i += 2)
      out += static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16));
    return out;
  }

  std::string parseLiteral(std::size_t& at) const {
    ++at;
    std::string out;
    for (int depth = 1;;) {
      const char c = bytes_.at(at++);
      if (c == '(') ++depth;
      if (c == ')' && --depth == 0) return out;
      if (c != '\\') {
        out += c;
        continue;
      }
      const char e = bytes_.at(at++);
      const std::string_view escapes = "nrtbf()\\";
      const std::string_view meaning = "\n\r\t\b\f()\\";
      if (const std::size_t known = escapes.find(e); known != std::string_view::npos) {
        out += meaning[known];
      } else if (e >= '0' && e <= '7') {
        int value = e - '0';
        for (int more = 0; more < 2 && bytes_[at] >= '0' && bytes_[at] <= '7'; ++more) value = value * 8 + (bytes_[at++] - '0');
        out += static_cast<char>(value);
      } else if (e == '\r' || e == '\n') {
        if (e == '\r' && bytes_[at] == '\n') ++at;
      } else {
        out += e;
      }
    }
  }

  std::string bytes_;
  std::vector<std::size_t> offsets_;
  Object trailer_;
};

// A text string's characters as UTF-8: UTF-16BE after a byte-order mark,
// otherwise the bytes as they are (the tests' strings are ASCII there).
inline std::string TextOf(const std::string& bytes) {
  if (bytes.size() < 2 || static_cast<unsigned char>(bytes[0]) != 0xFE || static_cast<unsigned char>(bytes[1]) != 0xFF)
    return bytes;
  std::string out;
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const unsigned unit = static_cast<unsigned char>(bytes[i]) << 8 | static_cast<unsigned char>(bytes[i + 1]);
    if (unit < 0x80) {
      out += static_cast<char>(unit);
    } else if (unit < 0x800) {
      out += static_cast<char>(0xC0 | unit >> 6);
      out += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | unit >> 12);
      out += static_cast<char>(0x80 | (unit >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (unit & 0x3F));
    }
  }
  return out;
}

}  // namespace verstak::testing::pdf
