#pragma once
// The libhpdf 2.3.0 calls that hpdf.h does not declare, in one place: the
// object dictionaries and arrays, the page's content stream and resources,
// the output intent (HPDF_OutputIntent_New and HPDF_AddIntent are exported
// by the library but declared in no header), the info and trailer
// dictionaries, MD5 and the TrueType subset's tag. The rest of the print
// output uses hpdf.h only, so that a libhpdf update is checked here.

#include <hpdf.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

struct HPDF_MD5Context;

namespace verstak::hpdf {

using Md5Digest = std::array<std::uint8_t, 16>;

// A header of PDF 1.4: what the page's overprint settings and the press
// rules ask for, whatever libhpdf would choose.
void SetVersion14(HPDF_Doc pdf);

// Objects written inside the object that holds them.
HPDF_Dict NewDict(HPDF_Doc pdf);
HPDF_Array NewArray(HPDF_Doc pdf);
// A stream object of its own, Flate-compressed when `compressed`.
HPDF_Dict NewStream(HPDF_Doc pdf, std::string_view bytes, bool compressed);

void PutName(HPDF_Dict dict, const char* key, const char* name);
void PutBoolean(HPDF_Dict dict, const char* key, bool value);
void PutNumber(HPDF_Dict dict, const char* key, double value);
// A string of bytes as they are (no text encoding).
void PutBytes(HPDF_Doc pdf, HPDF_Dict dict, const char* key, std::string_view bytes);
// A text string of cp1251 bytes, written in the document's current encoder.
void PutText(HPDF_Doc pdf, HPDF_Dict dict, const char* key, std::string_view cp1251);
void Put(HPDF_Dict dict, const char* key, void* object);
void AppendName(HPDF_Array array, const char* name);
void AppendNumber(HPDF_Array array, double value);
void Append(HPDF_Array array, void* object);

HPDF_Dict Info(HPDF_Doc pdf);
// The trailer's file identifier: both halves `id`, as a new file has them.
void SetFileId(HPDF_Doc pdf, const Md5Digest& id);

// A GTS_PDFX output intent in the catalogue; `registry` may be null for a
// condition of no registry, and `profile` (a stream), when not null,
// becomes its destination profile. The intent, or null.
HPDF_Dict AddOutputIntent(HPDF_Doc pdf, const char* identifier, const char* condition, const char* registry,
                     const char* info, HPDF_Dict profile);

// A page's box ("MediaBox", "TrimBox", ...), in points, set directly: libhpdf's
// own page size refuses pages below 3 pt or above 14400 pt.
void SetBox(HPDF_Page page, const char* name, double left, double bottom, double right, double top);
// Bytes appended to the page's content stream as they are.
void AppendContent(HPDF_Page page, std::string_view bytes);
// The page's resource dictionary of `category` ("ExtGState", "ColorSpace"),
// made when missing.
HPDF_Dict PageResources(HPDF_Page page, const char* category);

// The embedded TrueType subset named `tag`+FontName (six capitals).
void SetSubsetTag(HPDF_Font font, std::string_view tag);

class Md5 {
 public:
  Md5();
  Md5(const Md5&) = delete;
  Md5& operator=(const Md5&) = delete;
  ~Md5();
  void add(std::string_view bytes);
  Md5Digest digest();

 private:
  std::unique_ptr<HPDF_MD5Context> context_;
};

}  // namespace verstak::hpdf
