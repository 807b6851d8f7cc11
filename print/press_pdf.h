#pragma once
// A PDF/X-1a:2003 file of one or more pages: DeviceCMYK only, the clue font
// embedded as a subset with a tag of its own and a ToUnicode map, 100 %
// black text and lines overprinting, streams Flate-compressed, the output
// intent, the PDF/X keys, the dates and a file identifier made from the
// content, so that the same pages give the same bytes.

#include <bitset>
#include <span>
#include <string>
#include <string_view>

#include "print/hpdf_document.h"
#include "print/hpdf_internals.h"
#include "print/pdf_writer.h"
#include "print/press_page.h"
#include "print/press_settings.h"
#include "print/typeset_font.h"

namespace verstak {

class PressPdf {
 public:
  // `title` is UTF-8; characters cp1251 cannot hold become "?".
  PressPdf(const TypesetFont& font, std::string_view title, PressSettings press);

  // Adds a page with its boxes, its crop marks when the settings ask, and
  // the drawings placed on it. False once anything failed.
  bool addPage(const PressPage& page, std::span<const PlacedDrawing> drawings);

  // The file; a failure names the font, a page larger than PDF can hold,
  // or the printing condition that has neither a registry entry nor a
  // profile. Nothing may be added after.
  PrintBytes finish();

 private:
  bool startDocument(std::string_view title);
  bool addOutputIntent();
  void registerPageResources(HPDF_Page page);
  std::string cropMarkContent(const PressPage& page) const;
  void finishFont();
  UserMessage fontFailure() const;

  const TypesetFont& font_;
  PressSettings press_;
  HpdfDocument document_;
  HPDF_Font clueFont_ = nullptr;
  std::bitset<256> shown_;
  hpdf::Md5 identity_;
  Failure failure_;
};

}  // namespace verstak
