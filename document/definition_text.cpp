#include "document/definition_text.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace verstak {

void DefinitionLine::assign(std::string_view text) {
  length_ = static_cast<std::uint8_t>(std::min<std::size_t>(text.size(), kDefinitionLineCapacity));
  // An empty view may have no data at all, which memcpy must not be given.
  if (length_ != 0) std::memcpy(bytes_.data(), text.data(), length_);
}

const DefinitionLine& DefinitionText::line(int number) const {
  if (number < 1 || number > kDefinitionLines) throw std::out_of_range("definition line out of range");
  return lines_[static_cast<std::size_t>(number - 1)];
}

DefinitionLine& DefinitionText::line(int number) {
  return const_cast<DefinitionLine&>(std::as_const(*this).line(number));
}

bool DefinitionText::hasAnyText() const {
  return std::any_of(lines_.begin(), lines_.end(), [](const DefinitionLine& l) { return !l.empty(); });
}

void DefinitionText::clear() {
  for (DefinitionLine& l : lines_) l.clear();
}

DefinitionTable::DefinitionTable() : slots_(std::make_unique<Slots>()) {}

DefinitionTable::DefinitionTable(const DefinitionTable& other)
    : slots_(std::make_unique<Slots>(*other.slots_)) {}

DefinitionTable& DefinitionTable::operator=(const DefinitionTable& other) {
  if (this != &other) *slots_ = *other.slots_;
  return *this;
}

DefinitionTable::~DefinitionTable() = default;

const DefinitionText& DefinitionTable::slot(int number) const {
  if (!InRange(number)) throw std::out_of_range("definition slot out of range");
  return (*slots_)[static_cast<std::size_t>(number - 1)];
}

DefinitionText& DefinitionTable::slot(int number) {
  return const_cast<DefinitionText&>(std::as_const(*this).slot(number));
}

const DefinitionText& DefinitionTable::slotOrEmpty(int number) const {
  static const DefinitionText kEmpty;
  return InRange(number) ? slot(number) : kEmpty;
}

int DefinitionTable::lastSlotWithText() const {
  for (int k = kDefinitionSlots; k >= 1; --k) {
    if (slot(k).hasAnyText()) return k;
  }
  return 0;
}

void DefinitionTable::clear() {
  for (DefinitionText& d : *slots_) d.clear();
}

bool operator==(const DefinitionTable& a, const DefinitionTable& b) { return *a.slots_ == *b.slots_; }

}  // namespace verstak
