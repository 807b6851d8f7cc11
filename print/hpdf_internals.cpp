#include "print/hpdf_internals.h"

#include <hpdf_doc.h>
#include <hpdf_encrypt.h>
#include <hpdf_font.h>
#include <hpdf_fontdef.h>
#include <hpdf_objects.h>
#include <hpdf_pages.h>
#include <hpdf_streams.h>

#include <string>

// Exported by libhpdf 2.3.0 (hpdf_doc.c) without a declaration in its headers.
extern "C" {
HPDF_OutputIntent HPDF_OutputIntent_New(HPDF_Doc pdf, const char* identifier, const char* condition,
                                        const char* registry, const char* info, HPDF_Array outputprofile);
HPDF_STATUS HPDF_AddIntent(HPDF_Doc pdf, HPDF_OutputIntent intent);
}

namespace verstak::hpdf {

void SetVersion14(HPDF_Doc pdf) { pdf->pdf_version = HPDF_VER_14; }

HPDF_Dict NewDict(HPDF_Doc pdf) { return HPDF_Dict_New(pdf->mmgr); }

HPDF_Array NewArray(HPDF_Doc pdf) { return HPDF_Array_New(pdf->mmgr); }

HPDF_Dict NewStream(HPDF_Doc pdf, std::string_view bytes, bool compressed) {
  HPDF_Dict stream = HPDF_DictStream_New(pdf->mmgr, pdf->xref);
  if (stream == nullptr) return nullptr;
  if (compressed) stream->filter = HPDF_STREAM_FILTER_FLATE_DECODE;
  HPDF_Stream_Write(stream->stream, reinterpret_cast<const HPDF_BYTE*>(bytes.data()),
                    static_cast<HPDF_UINT>(bytes.size()));
  return stream;
}

void PutName(HPDF_Dict dict, const char* key, const char* name) { HPDF_Dict_AddName(dict, key, name); }

void PutBoolean(HPDF_Dict dict, const char* key, bool value) {
  HPDF_Dict_AddBoolean(dict, key, value ? HPDF_TRUE : HPDF_FALSE);
}

void PutNumber(HPDF_Dict dict, const char* key, double value) {
  HPDF_Dict_AddReal(dict, key, static_cast<HPDF_REAL>(value));
}

void PutBytes(HPDF_Doc pdf, HPDF_Dict dict, const char* key, std::string_view bytes) {
  const std::string text(bytes);
  HPDF_Dict_Add(dict, key, HPDF_String_New(pdf->mmgr, text.c_str(), nullptr));
}

void PutText(HPDF_Doc pdf, HPDF_Dict dict, const char* key, std::string_view cp1251) {
  const std::string text(cp1251);
  HPDF_Dict_Add(dict, key, HPDF_String_New(pdf->mmgr, text.c_str(), pdf->cur_encoder));
}

void Put(HPDF_Dict dict, const char* key, void* object) { HPDF_Dict_Add(dict, key, object); }

void AppendName(HPDF_Array array, const char* name) { HPDF_Array_AddName(array, name); }

void AppendNumber(HPDF_Array array, double value) { HPDF_Array_AddReal(array, static_cast<HPDF_REAL>(value)); }

void Append(HPDF_Array array, void* object) { HPDF_Array_Add(array, object); }

HPDF_Dict Info(HPDF_Doc pdf) {
  // libhpdf makes the dictionary when it sets its first entry, the producer.
  return pdf->info;
}

void SetFileId(HPDF_Doc pdf, const Md5Digest& id) {
  HPDF_Array pair = HPDF_Array_New(pdf->mmgr);
  if (pair == nullptr) return;
  for (int half = 0; half < 2; ++half) {
    Md5Digest copy = id;
    HPDF_Array_Add(pair, HPDF_Binary_New(pdf->mmgr, copy.data(), static_cast<HPDF_UINT>(copy.size())));
  }
  HPDF_Dict_Add(pdf->trailer, "ID", pair);
}

HPDF_Dict AddOutputIntent(HPDF_Doc pdf, const char* identifier, const char* condition, const char* registry,
                     const char* info, HPDF_Dict profile) {
  // The profile is added here: libhpdf 2.3.0 writes its own key for it with
  // a trailing blank ("DestOutputProfile "), which no reader knows.
  HPDF_OutputIntent intent =
      HPDF_OutputIntent_New(pdf, identifier, condition, registry != nullptr ? registry : "", info, nullptr);
  if (intent == nullptr) return nullptr;
  if (registry == nullptr) HPDF_Dict_RemoveElement(intent, "RegistryName");
  if (profile != nullptr) HPDF_Dict_Add(intent, "DestOutputProfile", profile);
  return HPDF_AddIntent(pdf, intent) == HPDF_OK ? intent : nullptr;
}

void SetBox(HPDF_Page page, const char* name, double left, double bottom, double right, double top) {
  const HPDF_Box box{static_cast<HPDF_REAL>(left), static_cast<HPDF_REAL>(bottom), static_cast<HPDF_REAL>(right),
                     static_cast<HPDF_REAL>(top)};
  HPDF_Dict_Add(page, name, HPDF_Box_Array_New(page->mmgr, box));
}

void AppendContent(HPDF_Page page, std::string_view bytes) {
  const auto* attributes = static_cast<HPDF_PageAttr>(page->attr);
  HPDF_Stream_Write(attributes->stream, reinterpret_cast<const HPDF_BYTE*>(bytes.data()),
                    static_cast<HPDF_UINT>(bytes.size()));
}

HPDF_Dict PageResources(HPDF_Page page, const char* category) {
  auto resources = static_cast<HPDF_Dict>(HPDF_Page_GetInheritableItem(page, "Resources", HPDF_OCLASS_DICT));
  if (resources == nullptr) return nullptr;
  auto found = static_cast<HPDF_Dict>(HPDF_Dict_GetItem(resources, category, HPDF_OCLASS_DICT));
  if (found != nullptr) return found;
  HPDF_Dict made = HPDF_Dict_New(page->mmgr);
  if (made == nullptr || HPDF_Dict_Add(resources, category, made) != HPDF_OK) return nullptr;
  return made;
}

void SetSubsetTag(HPDF_Font font, std::string_view tag) {
  std::string name(tag);
  auto* attributes = static_cast<HPDF_FontAttr>(font->attr);
  HPDF_FontDef definition = attributes->fontdef;
  // Renames the subset (the font descriptor is made from it when written);
  // the font dictionary took its name when it was made.
  HPDF_TTFontDef_SetTagName(definition, name.data());
  const auto* truetype = static_cast<HPDF_TTFontDefAttr>(definition->attr);
  HPDF_Dict_AddName(font, "BaseFont", truetype->base_font);
}

Md5::Md5() : context_(std::make_unique<HPDF_MD5Context>()) { HPDF_MD5Init(context_.get()); }

Md5::~Md5() = default;

void Md5::add(std::string_view bytes) {
  HPDF_MD5Update(context_.get(), reinterpret_cast<const HPDF_BYTE*>(bytes.data()),
                 static_cast<HPDF_UINT32>(bytes.size()));
}

Md5Digest Md5::digest() {
  Md5Digest digest{};
  HPDF_MD5Final(digest.data(), context_.get());
  return digest;
}

}  // namespace verstak::hpdf
