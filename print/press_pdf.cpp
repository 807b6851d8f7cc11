#include "print/press_pdf.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "document/cp1251.h"
#include "print/output_condition.h"
#include "print/press_date.h"
#include "print/printable_text.h"

namespace verstak {
namespace {

constexpr double kPointsPerMillimetre = 72 / 25.4;
// libhpdf writes no number beyond this, so no page side either.
constexpr double kLargestPageSide = HPDF_LIMIT_MAX_REAL / kPointsPerMillimetre;  // mm

// "Страница 12000,0 × 300,0 мм больше, чем можно записать в PDF: не больше 11559 мм по каждой стороне"
UserMessage PageTooLarge(const PressPage& page) {
  char text[160];
  std::snprintf(text, sizeof text,
                "Страница %.1f × %.1f мм больше, чем можно записать в PDF: не больше %d мм по каждой стороне",
                page.mediaWidth, page.mediaHeight, static_cast<int>(kLargestPageSide));
  std::string said = text;
  for (std::size_t comma = said.find('.'); comma != std::string::npos; comma = said.find('.', comma)) said[comma] = ',';
  return UserMessage::Error(said);
}

// Points to a thousandth, without trailing zeros, and a blank.
void AppendNumber(std::string& out, double value) {
  char digits[32];
  if (std::abs(value) < 0.0005) value = 0;
  char* end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 3).ptr;
  while (end[-1] == '0') --end;
  if (end[-1] == '.') --end;
  out.append(digits, end);
  out += ' ';
}

HPDF_Date PdfDate(std::int64_t seconds) {
  const CalendarTime time = UtcCalendar(seconds);
  return {time.year, time.month, time.day, time.hour, time.minute, time.second, '+', 0, 0};
}

// Six capitals from the subset's glyphs and the font, so that two files
// with different subsets of one font never share a subset name.
std::string SubsetTag(const TypesetFont& font, const std::bitset<256>& shown) {
  hpdf::Md5 md5;
  md5.add(font.file.string());
  md5.add(shown.to_string());
  const hpdf::Md5Digest digest = md5.digest();
  std::string tag;
  for (std::size_t i = 0; i < 6; ++i) tag += static_cast<char>('A' + digest[i] % 26);
  return tag;
}

// The Unicode character of each byte shown, so that copied text is right
// whatever glyph names the font has.
std::string ToUnicodeMap(const std::bitset<256>& shown) {
  std::vector<std::string> entries;
  for (int byte = 0; byte < 256; ++byte) {
    if (!shown.test(static_cast<std::size_t>(byte))) continue;
    char entry[32];
    std::snprintf(entry, sizeof entry, "<%02X> <%04X>\n", byte,
                  static_cast<unsigned>(Cp1251ToUnicode(static_cast<unsigned char>(byte))));
    entries.emplace_back(entry);
  }
  std::string map =
      "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
      "1 begincodespacerange\n<00> <FF>\nendcodespacerange\n";
  // At most 100 entries to a block.
  for (std::size_t first = 0; first < entries.size(); first += 100) {
    const std::size_t count = std::min<std::size_t>(100, entries.size() - first);
    map += std::to_string(count) + " beginbfchar\n";
    for (std::size_t i = first; i < first + count; ++i) map += entries[i];
    map += "endbfchar\n";
  }
  map += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
  return map;
}

HPDF_Dict OverprintState(HPDF_Doc pdf, bool fills) {
  HPDF_Dict state = hpdf::NewDict(pdf);
  if (state == nullptr) return nullptr;
  hpdf::PutName(state, "Type", "ExtGState");
  hpdf::PutBoolean(state, "OP", true);
  hpdf::PutBoolean(state, "op", fills);
  // Zero components of a DeviceCMYK colour leave the plates below alone.
  hpdf::PutNumber(state, "OPM", 1);
  return state;
}

// Registration black: every plate at full tint.
HPDF_Array RegistrationColourSpace(HPDF_Doc pdf) {
  HPDF_Array space = hpdf::NewArray(pdf);
  HPDF_Dict tint = hpdf::NewDict(pdf);
  HPDF_Array domain = hpdf::NewArray(pdf), none = hpdf::NewArray(pdf), full = hpdf::NewArray(pdf);
  if (!space || !tint || !domain || !none || !full) return nullptr;
  hpdf::AppendNumber(domain, 0);
  hpdf::AppendNumber(domain, 1);
  for (int ink = 0; ink < 4; ++ink) {
    hpdf::AppendNumber(none, 0);
    hpdf::AppendNumber(full, 1);
  }
  hpdf::PutNumber(tint, "FunctionType", 2);
  hpdf::Put(tint, "Domain", domain);
  hpdf::Put(tint, "C0", none);
  hpdf::Put(tint, "C1", full);
  hpdf::PutNumber(tint, "N", 1);
  hpdf::AppendName(space, "Separation");
  hpdf::AppendName(space, "All");
  hpdf::AppendName(space, "DeviceCMYK");
  hpdf::Append(space, tint);
  return space;
}

constexpr const char* kRegistrationSpace = "CSall";

}  // namespace

PressPdf::PressPdf(const TypesetFont& font, std::string_view title, PressSettings press)
    : font_(font), press_(std::move(press)) {
  if (!FindRegisteredCondition(press_.outputCondition) && press_.iccProfile.empty()) {
    failure_ = UserMessage::Error(std::string(UnregisteredConditionMessage(press_.outputCondition)));
    return;
  }
  if (!startDocument(title) || !addOutputIntent()) failure_ = fontFailure();
}

UserMessage PressPdf::fontFailure() const {
  return UserMessage::Error("Не удалось составить PDF со шрифтом " + font_.file.string());
}

bool PressPdf::startDocument(std::string_view title) {
  HPDF_Doc pdf = document_.get();
  if (document_.failed()) return false;
  HPDF_SetCompressionMode(pdf, HPDF_COMP_ALL);
  clueFont_ = document_.loadCp1251Font(font_.file, true);
  if (clueFont_ == nullptr) return false;
  HPDF_SetCurrentEncoder(pdf, "CP1251");
  const std::string printable = PrintableText(Utf8ToCp1251(title));
  HPDF_SetInfoAttr(pdf, HPDF_INFO_TITLE, printable.c_str());
  HPDF_SetInfoAttr(pdf, HPDF_INFO_CREATOR, "VERSTAK");
  HPDF_SetInfoDateAttr(pdf, HPDF_INFO_CREATION_DATE, PdfDate(press_.date));
  HPDF_SetInfoDateAttr(pdf, HPDF_INFO_MOD_DATE, PdfDate(press_.date));
  HPDF_SetInfoAttr(pdf, HPDF_INFO_TRAPPED, "False");
  HPDF_Dict info = hpdf::Info(pdf);
  if (info == nullptr) return false;
  hpdf::PutBytes(pdf, info, "GTS_PDFXVersion", "PDF/X-1:2003");
  hpdf::PutBytes(pdf, info, "GTS_PDFXConformance", "PDF/X-1a:2003");
  hpdf::SetVersion14(pdf);
  // The date is left out of the identifier: only the dates follow it.
  identity_.add(printable);
  return !document_.failed();
}

bool PressPdf::addOutputIntent() {
  HPDF_Doc pdf = document_.get();
  HPDF_Dict profile = nullptr;
  if (!press_.iccProfile.empty()) {
    profile = hpdf::NewStream(pdf, press_.iccProfile, true);
    if (profile == nullptr) return false;
    hpdf::PutNumber(profile, "N", 4);
    hpdf::PutName(profile, "Alternate", "DeviceCMYK");
  }
  const PrintingCondition* registered = FindRegisteredCondition(press_.outputCondition);
  const std::string identifier(registered ? registered->identifier : "Custom");
  const std::string condition(registered ? registered->condition : "Custom");
  const std::string registry(kIccRegistry);
  identity_.add(press_.outputCondition);
  identity_.add(press_.iccProfile);
  HPDF_Dict intent = hpdf::AddOutputIntent(pdf, identifier.c_str(), condition.c_str(),
                                           registered ? registry.c_str() : nullptr, condition.c_str(), profile);
  if (intent == nullptr) return false;
  if (!registered) {
    // The user's own name (UTF-8 from the command line) as text.
    const std::string name = PrintableText(Utf8ToCp1251(press_.outputCondition));
    for (const char* key : {"OutputConditionIdentifier", "OutputCondition", "Info"})
      hpdf::PutText(pdf, intent, key, name);
  }
  return !document_.failed();
}

void PressPdf::registerPageResources(HPDF_Page page) {
  HPDF_Doc pdf = document_.get();
  if (HPDF_Dict states = hpdf::PageResources(page, "ExtGState")) {
    hpdf::Put(states, OverprintStateName(Overprint::Lines), OverprintState(pdf, false));
    hpdf::Put(states, OverprintStateName(Overprint::LinesAndFills), OverprintState(pdf, true));
  }
  if (!press_.cropMarks) return;
  if (HPDF_Dict spaces = hpdf::PageResources(page, "ColorSpace"))
    hpdf::Put(spaces, kRegistrationSpace, RegistrationColourSpace(pdf));
}

std::string PressPdf::cropMarkContent(const PressPage& page) const {
  if (!press_.cropMarks) return {};
  std::string out = "q /" + std::string(kRegistrationSpace) + " CS 1 SCN ";
  AppendNumber(out, kCropMarkWidth * kPointsPerMillimetre);
  out += "w\n";
  const auto point = [&](const PagePoint& p) {
    AppendNumber(out, p.x * kPointsPerMillimetre);
    AppendNumber(out, (page.mediaHeight - p.y) * kPointsPerMillimetre);
  };
  for (const auto& [from, to] : CropMarks(page)) {
    point(from);
    out += "m ";
    point(to);
    out += "l S\n";
  }
  out += "Q\n";
  return out;
}

bool PressPdf::addPage(const PressPage& page, std::span<const PlacedDrawing> drawings) {
  if (failure_ || document_.failed()) return false;
  // Said before libhpdf fails on it, which would look like the font's failure.
  if (std::max(page.mediaWidth, page.mediaHeight) > kLargestPageSide) {
    failure_ = PageTooLarge(page);
    return false;
  }
  HPDF_Page pdfPage = HPDF_AddPage(document_.get());
  if (pdfPage == nullptr) return false;
  // The page's boxes are in 1/32 pt already (see PageAroundTrim).
  const auto exact = [](double millimetres) { return std::round(millimetres * kPointsPerMillimetre * 32) / 32; };
  const auto box = [&](const char* name, const PageBox& b) {
    hpdf::SetBox(pdfPage, name, exact(b.left), exact(page.mediaHeight - b.bottom), exact(b.right),
                 exact(page.mediaHeight - b.top));
  };
  box("MediaBox", {0, 0, page.mediaWidth, page.mediaHeight});
  box("BleedBox", page.bleed);
  box("TrimBox", page.trim);
  // Puts the font among the page's resources under a name of its own.
  HPDF_Page_BeginText(pdfPage);
  HPDF_Page_SetFontAndSize(pdfPage, clueFont_, 1);
  HPDF_Page_EndText(pdfPage);
  const char* fontName = HPDF_Page_GetLocalFontName(pdfPage, clueFont_);
  if (fontName == nullptr) return false;
  registerPageResources(pdfPage);

  std::string bytes = cropMarkContent(page);
  for (const PlacedDrawing& placed : drawings) {
    const PdfDrawingContent content = DrawingContent(*placed.drawing, font_, fontName);
    bytes += "q 1 0 0 1 ";
    AppendNumber(bytes, placed.origin.x * kPointsPerMillimetre);
    AppendNumber(bytes, (page.mediaHeight - placed.origin.y - placed.drawing->pageHeight) * kPointsPerMillimetre);
    bytes += "cm\n" + content.bytes + "Q\n";
    shown_ |= content.shown;
  }
  hpdf::AppendContent(pdfPage, bytes);
  identity_.add(bytes);
  return !document_.failed();
}

void PressPdf::finishFont() {
  // libhpdf embeds the glyphs it has measured.
  std::string shown;
  for (int byte = 1; byte < 256; ++byte) {
    if (shown_.test(static_cast<std::size_t>(byte))) shown += static_cast<char>(byte);
  }
  HPDF_Font_TextWidth(clueFont_, reinterpret_cast<const HPDF_BYTE*>(shown.data()),
                      static_cast<HPDF_UINT>(shown.size()));
  hpdf::SetSubsetTag(clueFont_, SubsetTag(font_, shown_));
  if (HPDF_Dict map = hpdf::NewStream(document_.get(), ToUnicodeMap(shown_), true))
    hpdf::Put(clueFont_, "ToUnicode", map);
}

PrintBytes PressPdf::finish() {
  if (failure_) return {{}, failure_};
  const UserMessage failed = fontFailure();
  if (document_.failed()) return {{}, failed};
  finishFont();
  hpdf::SetFileId(document_.get(), identity_.digest());
  HPDF_Doc pdf = document_.get();
  if (document_.failed() || HPDF_SaveToStream(pdf) != HPDF_OK) return {{}, failed};
  std::string bytes(HPDF_GetStreamSize(pdf), '\0');
  HPDF_UINT32 size = static_cast<HPDF_UINT32>(bytes.size());
  HPDF_ReadFromStream(pdf, reinterpret_cast<HPDF_BYTE*>(bytes.data()), &size);
  bytes.resize(size);
  if (document_.failed() || bytes.empty()) return {{}, failed};
  return {std::move(bytes), std::nullopt};
}

}  // namespace verstak
