#pragma once
// A small runner for the macro language, written apart from the writer: it
// follows GOSUB, RETURN and GOTO, keeps the macro's variables, evaluates the
// coordinate expressions and records every object the lines make, so that
// tests can check what each selection by index really names. CorelDRAW's
// recorder numbers objects in the order they are made, from 1, and a deleted
// object keeps its number.

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verstak::testing {

struct Box {
  long long top = 0, left = 0, bottom = 0, right = 0;
  friend bool operator==(const Box&, const Box&) = default;
};

struct MacroPoint {
  long long x = 0, y = 0;
  friend bool operator==(const MacroPoint&, const MacroPoint&) = default;
};

struct MacroObject {
  enum class Type { Rectangle, Curve, Text };
  Type type;
  Box box;              // rectangles
  std::string text;     // texts, CHR(n) decoded
  int segments = 0;     // curves
  bool filled = false;  // rectangles
  bool deleted = false;
  long long radius = 0;             // rectangles: the corner radius
  std::vector<long long> colour;    // filled rectangles: the CMYK of the fill
  std::vector<MacroPoint> points;   // curves: start, then the end of each segment
  bool turned = false;              // texts: rotated
};

// One ".RecorderSelectObjectsByIndex TRUE,a,b, ..." line: the text it aligns
// and the object it aligns it with (indices from 1).
struct Alignment {
  int text;
  int partner;
  long long nobAtSelection;
  std::size_t objectsMadeBefore;  // objects that existed before this text was made
};

class MacroRunner {
 public:
  explicit MacroRunner(std::vector<std::string> lines) : lines_(std::move(lines)) {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      const std::size_t colon = LabelEnd(lines_[i]);
      if (colon != std::string::npos) labels_[lines_[i].substr(0, colon)] = i;
    }
  }

  // Runs from the first line to END WITHOBJECT; any line it cannot follow
  // is a test failure.
  void run() {
    std::size_t pc = 0;
    for (int steps = 0; steps < 50'000'000 && !ended_; ++steps) {
      if (pc >= lines_.size()) {
        ADD_FAILURE() << "ran past the last line";
        return;
      }
      std::string_view statement = lines_[pc];
      const std::size_t colon = LabelEnd(lines_[pc]);
      if (colon != std::string::npos) statement.remove_prefix(colon + 1);
      line_ = pc;
      pc = execute(Trim(statement), pc + 1);
    }
    if (!ended_) ADD_FAILURE() << "macro never ended";
    if (!stack_.empty()) ADD_FAILURE() << "GOSUB without RETURN";
  }

  const std::vector<MacroObject>& objects() const { return objects_; }
  const std::vector<Alignment>& alignments() const { return alignments_; }
  const MacroObject& object(int index) const { return objects_.at(static_cast<std::size_t>(index - 1)); }
  int deletions() const { return deletions_; }

 private:
  static std::string_view Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
  }

  // "Klet_16:.UnSelectAll", "Lear:", "k1: END WITHOBJECT": a name, then a colon.
  static std::size_t LabelEnd(const std::string& line) {
    std::size_t i = 0;
    while (i < line.size() && (std::isalnum(static_cast<unsigned char>(line[i])) || line[i] == '_')) ++i;
    return i > 0 && i < line.size() && line[i] == ':' ? i : std::string::npos;
  }

  std::string where() const { return "line " + std::to_string(line_ + 1) + ": " + lines_[line_]; }

  std::size_t jump(std::string_view label) {
    const auto it = labels_.find(std::string(Trim(label)));
    if (it == labels_.end()) {
      ADD_FAILURE() << "no label " << label << " at " << where();
      ended_ = true;
      return 0;
    }
    return it->second;
  }

  std::size_t execute(std::string_view s, std::size_t next) {
    if (s.empty() || s.starts_with("REM") || s.starts_with("WITHOBJECT") || s.starts_with("DIM ")) return next;
    if (s == "END WITHOBJECT") {
      ended_ = true;
      return next;
    }
    if (s.starts_with("GOSUB ")) {
      stack_.push_back(next);
      return jump(s.substr(6));
    }
    if (s.starts_with("GOTO ")) return jump(s.substr(5));
    if (s == "RETURN") {
      if (stack_.empty()) {
        ADD_FAILURE() << "RETURN without GOSUB at " << where();
        ended_ = true;
        return next;
      }
      const std::size_t back = stack_.back();
      stack_.pop_back();
      return back;
    }
    if (s.starts_with(".")) {
      command(s);
      return next;
    }
    const std::size_t equals = s.find('=');
    if (equals == std::string_view::npos) {
      ADD_FAILURE() << "cannot follow " << where();
    } else {
      variables_[std::string(Trim(s.substr(0, equals)))] = evaluate(s.substr(equals + 1));
    }
    return next;
  }

  void command(std::string_view s) {
    const std::size_t space = s.find(' ');
    const std::string_view name = s.substr(0, space);
    const std::string_view args = space == std::string_view::npos ? std::string_view{} : s.substr(space + 1);
    if (name == ".CreateRectangle") {
      const std::vector<long long> v = evaluateList(args);
      if (v.size() != 5) ADD_FAILURE() << "rectangle needs five values at " << where();
      if (v.size() >= 4) make(MacroObject::Type::Rectangle, {v[0], v[1], v[2], v[3]});
      if (v.size() == 5) objects_.back().radius = v[4];
    } else if (name == ".BeginDrawCurve") {
      if (drawing_) ADD_FAILURE() << "curve begun twice at " << where();
      drawing_ = true;
      curve_ = {point(args)};
    } else if (name == ".DrawCurveLineTo") {
      if (!drawing_) ADD_FAILURE() << "line without a curve at " << where();
      curve_.push_back(point(args));
    } else if (name == ".EndDrawCurve") {
      if (!drawing_) ADD_FAILURE() << "curve ended without beginning at " << where();
      drawing_ = false;
      make(MacroObject::Type::Curve);
      objects_.back().segments = 1;
      objects_.back().points = curve_;
    } else if (name == ".CreateArtisticText") {
      createText(args);
    } else if (name == ".RecorderSelectObjectByIndex") {
      selection_ = {index(evaluateList(args.substr(args.find(',') + 1)).at(0))};
    } else if (name == ".RecorderSelectObjectsByIndex") {
      selectPair(args);
    } else if (name == ".AppendCurveLine") {
      MacroObject* curve = selectedOne(MacroObject::Type::Curve);
      const std::vector<long long> v = evaluateList(args);
      if (v.size() != 4) ADD_FAILURE() << "a segment needs four values at " << where();
      if (curve != nullptr && v.size() == 4) {
        ++curve->segments;
        if (curve->points.back() != MacroPoint{v[0], v[1]}) ADD_FAILURE() << "segment not at the curve's end at " << where();
        curve->points.push_back({v[2], v[3]});
      }
    } else if (name == ".DeleteObject") {
      MacroObject* gone = selectedOne(std::nullopt);
      if (gone != nullptr) {
        gone->deleted = true;
        ++deletions_;
      }
      selection_.clear();
    } else if (name == ".ApplyUniformFillColor" && !args.empty()) {
      fill(colourOf(args));
    } else if (name == ".ApplyUniformFillColor") {
      if (!colourStored_) ADD_FAILURE() << "no colour stored before " << where();
      fill(storedColour_);
    } else if (name == ".StoreColor") {
      colourStored_ = true;
      storedColour_ = colourOf(args);
    } else if (name == ".UnSelectAll") {
      selection_.clear();
    } else if (name == ".AlignObjects") {
      if (selection_.size() != 2) ADD_FAILURE() << "aligning without two objects at " << where();
    } else if (name == ".MoveCenter") {
      selectedOne(MacroObject::Type::Text);
    } else if (name == ".RotateObject") {
      MacroObject* text = selectedOne(MacroObject::Type::Text);
      if (text != nullptr) text->turned = true;
    } else if (name != ".StartOfRecording" && name != ".SuppressPainting" && name != ".ResumePainting" &&
               name != ".EndOfRecording" && name != ".NewLayer" && name != ".SelectLayer") {
      ADD_FAILURE() << "unknown command at " << where();
    }
  }

  // A new object is the selection, as in CorelDRAW.
  void make(MacroObject::Type type, Box box = {}, std::string text = {}) {
    MacroObject object{};
    object.type = type;
    object.box = box;
    object.text = std::move(text);
    objects_.push_back(std::move(object));
    selection_ = {static_cast<int>(objects_.size())};
  }

  int index(long long value) {
    if (value < 1 || value > static_cast<long long>(objects_.size())) {
      ADD_FAILURE() << "index " << value << " names no object at " << where();
      return 0;
    }
    if (objects_[static_cast<std::size_t>(value - 1)].deleted)
      ADD_FAILURE() << "deleted object selected at " << where();
    return static_cast<int>(value);
  }

  MacroObject* selectedOne(std::optional<MacroObject::Type> type) {
    if (selection_.size() != 1 || selection_[0] == 0) {
      ADD_FAILURE() << "needs exactly one selected object at " << where();
      return nullptr;
    }
    MacroObject& object = objects_[static_cast<std::size_t>(selection_[0] - 1)];
    if (type && object.type != *type) ADD_FAILURE() << "wrong kind of object selected at " << where();
    return &object;
  }

  void fill(const std::vector<long long>& colour) {
    MacroObject* target = selectedOne(MacroObject::Type::Rectangle);
    if (target != nullptr) {
      target->filled = true;
      target->colour = colour;
    }
  }

  // "5002,c,m,y,k": the colour model, then the four inks.
  std::vector<long long> colourOf(std::string_view args) {
    std::vector<long long> v = evaluateList(args);
    if (v.size() != 5 || v[0] != 5002) {
      ADD_FAILURE() << "a CMYK colour needs 5002 and four values at " << where();
      return {};
    }
    return {v.begin() + 1, v.end()};
  }

  MacroPoint point(std::string_view args) {
    const std::vector<long long> v = evaluateList(args);
    if (v.size() != 2) {
      ADD_FAILURE() << "a point needs two values at " << where();
      return {};
    }
    return {v[0], v[1]};
  }

  void selectPair(std::string_view args) {
    const std::vector<long long> v = evaluateList(args.substr(args.find(',') + 1));
    if (v.size() != 5) {
      ADD_FAILURE() << "selection needs five values at " << where();
      return;
    }
    const long long nob = variables_.at("nob");
    selection_ = {index(v[0]), index(v[1])};
    alignments_.push_back({selection_[0], selection_[1], nob, lastTextMadeAfter_});
  }

  // A string expression: "..." literals and CHR(n) joined by +, then x, y.
  void createText(std::string_view args) {
    std::string text;
    std::size_t i = 0;
    for (;;) {
      if (i < args.size() && args[i] == '"') {
        const std::size_t close = args.find('"', i + 1);
        if (close == std::string_view::npos) {
          ADD_FAILURE() << "unclosed string at " << where();
          return;
        }
        text += args.substr(i + 1, close - i - 1);
        i = close + 1;
      } else if (args.substr(i).starts_with("CHR(")) {
        const std::size_t close = args.find(')', i);
        text += static_cast<char>(std::stoi(std::string(args.substr(i + 4, close - i - 4))));
        i = close + 1;
      } else {
        ADD_FAILURE() << "bad string expression at " << where();
        return;
      }
      if (i < args.size() && args[i] == '+') {
        ++i;
        continue;
      }
      break;
    }
    if (i >= args.size() || args[i] != ',' || evaluateList(args.substr(i + 1)).size() != 2) {
      ADD_FAILURE() << "text needs a place at " << where();
    }
    lastTextMadeAfter_ = objects_.size();
    make(MacroObject::Type::Text, {}, text);
  }

  std::vector<long long> evaluateList(std::string_view args) {
    std::vector<long long> values;
    std::size_t start = 0;
    for (;;) {
      const std::size_t comma = args.find(',', start);
      values.push_back(evaluate(args.substr(start, comma - start)));
      if (comma == std::string_view::npos) return values;
      start = comma + 1;
    }
  }

  long long evaluate(std::string_view expression) {
    expression_ = expression;
    position_ = 0;
    const long long value = sum();
    skipBlanks();
    if (position_ != expression_.size()) ADD_FAILURE() << "cannot read \"" << expression << "\" at " << where();
    return value;
  }

  void skipBlanks() {
    while (position_ < expression_.size() && expression_[position_] == ' ') ++position_;
  }
  bool take(char c) {
    skipBlanks();
    if (position_ < expression_.size() && expression_[position_] == c) {
      ++position_;
      return true;
    }
    return false;
  }
  long long sum() {
    long long value = product();
    for (;;) {
      if (take('+'))
        value += product();
      else if (take('-'))
        value -= product();
      else
        return value;
    }
  }
  long long product() {
    long long value = factor();
    for (;;) {
      if (take('*'))
        value *= factor();
      else if (take('/'))
        value /= factor();
      else
        return value;
    }
  }
  long long factor() {
    if (take('-')) return -factor();
    if (take('(')) {
      const long long value = sum();
      if (!take(')')) ADD_FAILURE() << "missing ) at " << where();
      return value;
    }
    skipBlanks();
    const std::size_t start = position_;
    while (position_ < expression_.size() &&
           (std::isalnum(static_cast<unsigned char>(expression_[position_])) || expression_[position_] == '_')) {
      ++position_;
    }
    const std::string token(expression_.substr(start, position_ - start));
    if (token.empty()) {
      ADD_FAILURE() << "missing value at " << where();
      return 0;
    }
    if (std::isdigit(static_cast<unsigned char>(token[0]))) return std::stoll(token);
    if (token == "TRUE") return -1;
    const auto it = variables_.find(token);
    if (it == variables_.end()) {
      ADD_FAILURE() << "variable " << token << " used before it is set at " << where();
      return 0;
    }
    return it->second;
  }

  std::vector<std::string> lines_;
  std::map<std::string, std::size_t> labels_;
  std::map<std::string, long long> variables_;
  std::vector<std::size_t> stack_;
  std::vector<MacroObject> objects_;
  std::vector<int> selection_;
  std::vector<Alignment> alignments_;
  std::size_t lastTextMadeAfter_ = 0;
  int deletions_ = 0;
  bool drawing_ = false;
  bool colourStored_ = false;
  std::vector<long long> storedColour_;
  std::vector<MacroPoint> curve_;
  bool ended_ = false;
  std::size_t line_ = 0;
  std::string_view expression_;
  std::size_t position_ = 0;
};

}  // namespace verstak::testing
