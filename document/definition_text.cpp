#include "document/definition_text.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>
#include <type_traits>
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

namespace {

// calloc hands out pages the system zeroes on first touch, and all-zero bytes
// are an empty DefinitionText; the type being trivially copyable and
// destructible, the array's objects come to life with the storage.
static_assert(std::is_trivially_copyable_v<DefinitionText> && std::is_trivially_destructible_v<DefinitionText>);

DefinitionText* AllocateZeroedSlots() {
  void* storage = std::calloc(kDefinitionSlots, sizeof(DefinitionText));
  if (storage == nullptr) throw std::bad_alloc();
  return static_cast<DefinitionText*>(storage);
}

}  // namespace

void DefinitionTable::FreeSlots::operator()(DefinitionText* slots) const { std::free(slots); }

DefinitionTable::DefinitionTable() : slots_(AllocateZeroedSlots()) {}

DefinitionTable::DefinitionTable(const DefinitionTable& other)
    : slots_(AllocateZeroedSlots()), highestWritten_(other.highestWritten_) {
  std::copy_n(other.slots_.get(), highestWritten_, slots_.get());
}

DefinitionTable& DefinitionTable::operator=(const DefinitionTable& other) {
  if (this == &other) return *this;
  std::copy_n(other.slots_.get(), other.highestWritten_, slots_.get());
  for (int k = other.highestWritten_ + 1; k <= highestWritten_; ++k) slots_[static_cast<std::size_t>(k - 1)].clear();
  highestWritten_ = other.highestWritten_;
  return *this;
}

DefinitionTable::~DefinitionTable() = default;

const DefinitionText& DefinitionTable::slot(int number) const {
  if (!InRange(number)) throw std::out_of_range("definition slot out of range");
  return slots_[static_cast<std::size_t>(number - 1)];
}

DefinitionText& DefinitionTable::slot(int number) {
  DefinitionText& text = const_cast<DefinitionText&>(std::as_const(*this).slot(number));
  highestWritten_ = std::max(highestWritten_, number);
  return text;
}

const DefinitionText& DefinitionTable::slotOrEmpty(int number) const {
  static const DefinitionText kEmpty;
  return InRange(number) ? slot(number) : kEmpty;
}

int DefinitionTable::lastSlotWithText() const {
  for (int k = highestWritten_; k >= 1; --k) {
    if (slot(k).hasAnyText()) return k;
  }
  return 0;
}

void DefinitionTable::clear() {
  for (int k = 1; k <= highestWritten_; ++k) slots_[static_cast<std::size_t>(k - 1)].clear();
  highestWritten_ = 0;
}

// Slots above both tables' highest written ones are empty in both.
bool operator==(const DefinitionTable& a, const DefinitionTable& b) {
  const auto compared = static_cast<std::size_t>(std::max(a.highestWritten_, b.highestWritten_));
  return std::equal(a.slots_.get(), a.slots_.get() + compared, b.slots_.get());
}

}  // namespace verstak
