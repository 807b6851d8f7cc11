#pragma once
// One plate of Ghostscript's tiffsep device (-sCompression=none), read from
// the TIFF 6.0 description: an uncompressed 8-bit grey image in strips.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace verstak::testing {

class TiffPlate {
 public:
  explicit TiffPlate(const std::string& bytes) : bytes_(bytes) {
    little_ = bytes_.substr(0, 2) == "II";
    if (!little_ && bytes_.substr(0, 2) != "MM") throw std::runtime_error("not a TIFF file");
    readDirectory(unsigned32(4));
  }

  int width() const { return width_; }
  int height() const { return height_; }
  // The ink at a pixel, 0 (none) to 255 (full).
  int ink(int x, int y) const {
    const int value = pixels_.at(static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x));
    return whiteIsZero_ ? value : 255 - value;
  }

 private:
  unsigned unsigned16(std::size_t at) const {
    const auto b = [&](std::size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(bytes_.at(at + i))); };
    return little_ ? b(0) | b(1) << 8 : b(0) << 8 | b(1);
  }
  std::uint32_t unsigned32(std::size_t at) const {
    const std::uint32_t low = unsigned16(at), high = unsigned16(at + 2);
    return little_ ? low | high << 16 : low << 16 | high;
  }
  // The value of a directory entry: SHORT or LONG, inline when it fits.
  std::vector<std::uint32_t> values(std::size_t entry) const {
    const unsigned type = unsigned16(entry + 2);
    const std::uint32_t count = unsigned32(entry + 4);
    const std::size_t size = type == 3 ? 2 : 4;
    std::size_t at = count * size <= 4 ? entry + 8 : unsigned32(entry + 8);
    std::vector<std::uint32_t> out;
    for (std::uint32_t i = 0; i < count; ++i, at += size) out.push_back(size == 2 ? unsigned16(at) : unsigned32(at));
    return out;
  }

  void readDirectory(std::size_t at) {
    std::vector<std::uint32_t> offsets, counts;
    unsigned bits = 0, compression = 1;
    for (unsigned i = 0, entries = unsigned16(at); i < entries; ++i) {
      const std::size_t entry = at + 2 + 12 * i;
      const std::vector<std::uint32_t> v = values(entry);
      switch (unsigned16(entry)) {
        case 256: width_ = static_cast<int>(v.at(0)); break;
        case 257: height_ = static_cast<int>(v.at(0)); break;
        case 258: bits = v.at(0); break;
        case 259: compression = v.at(0); break;
        case 262: whiteIsZero_ = v.at(0) == 0; break;
        case 273: offsets = v; break;
        case 279: counts = v; break;
        default: break;
      }
    }
    if (bits != 8 || compression != 1) throw std::runtime_error("not an uncompressed 8-bit plate");
    for (std::size_t strip = 0; strip < offsets.size(); ++strip) {
      for (std::uint32_t i = 0; i < counts.at(strip); ++i)
        pixels_.push_back(static_cast<unsigned char>(bytes_.at(offsets[strip] + i)));
    }
    if (pixels_.size() < static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_))
      throw std::runtime_error("a plate shorter than its size");
  }

  std::string bytes_;
  bool little_ = true;
  bool whiteIsZero_ = true;
  int width_ = 0;
  int height_ = 0;
  std::vector<unsigned char> pixels_;
};

}  // namespace verstak::testing
