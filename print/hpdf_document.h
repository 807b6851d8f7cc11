#pragma once
// A libhpdf document that records its first error instead of jumping, freed
// when it goes out of scope, with the clue font loaded in the cp1251 encoding.

#include <hpdf.h>

#include <filesystem>

namespace verstak {

class HpdfDocument {
 public:
  HpdfDocument() : pdf_(HPDF_New(&HpdfDocument::RecordError, this)) {}
  HpdfDocument(const HpdfDocument&) = delete;
  HpdfDocument& operator=(const HpdfDocument&) = delete;
  ~HpdfDocument() {
    if (pdf_ != nullptr) HPDF_Free(pdf_);
  }

  HPDF_Doc get() const { return pdf_; }
  bool failed() const { return pdf_ == nullptr || error_ != HPDF_OK; }

  // The TrueType font of `file` with the cp1251 encoder, so that clue bytes
  // go in as they are; embedded in the document when `embed`. nullptr when
  // libhpdf cannot read it.
  HPDF_Font loadCp1251Font(const std::filesystem::path& file, bool embed) {
    if (failed()) return nullptr;
    const char* name = HPDF_LoadTTFontFromFile(pdf_, file.c_str(), embed ? HPDF_TRUE : HPDF_FALSE);
    if (name == nullptr || failed()) return nullptr;
    HPDF_Font font = HPDF_GetFont(pdf_, name, "CP1251");
    return failed() ? nullptr : font;
  }

 private:
  static void RecordError(HPDF_STATUS error, HPDF_STATUS, void* self) {
    auto* document = static_cast<HpdfDocument*>(self);
    if (document->error_ == HPDF_OK) document->error_ = error;
  }

  HPDF_Doc pdf_;
  HPDF_STATUS error_ = HPDF_OK;
};

}  // namespace verstak
