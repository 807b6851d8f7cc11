#include "script/corel_script_writer.h"

#include <ostream>

#include "document/cp1251.h"
#include "files/atomic_file.h"
#include "script/cell_layout.h"
#include "script/clue_emitters.h"
#include "script/layer_passes.h"
#include "script/one_layer_layout.h"
#include "script/subroutine_library.h"

namespace verstak {
namespace {

std::string_view AutomationObject(CorelVersion version) {
  switch (version) {
    case CorelVersion::Draw7: return "WITHOBJECT \"CorelDraw.Automation.7\"";
    case CorelVersion::Draw10: return "WITHOBJECT \"CorelDraw.Automation.10\"";
    case CorelVersion::Draw9: break;
  }
  return "WITHOBJECT \"CorelDraw.Automation.9\"";
}

ScriptDialect DialectOf(CorelVersion version) {
  return version == CorelVersion::Draw7 ? ScriptDialect::Draw7 : ScriptDialect::Draw9;
}

void WriteHeader(MacroText& out, CorelVersion version) {
  static const std::string kRemark = Utf8ToCp1251("REM Макрос создан программой \"VERSTAK\"");
  out.line("");
  out.line(kRemark);
  out.line("");
  out.line("");
  out.line(AutomationObject(version));
  out.line(" .StartOfRecording");
  out.line(" .SuppressPainting");
}

void WriteDeclarations(MacroText& out, const PrintSettings& settings) {
  out.line(" DIM nob AS LONG");
  out.line(" DIM yn AS LONG");
  out.line(" DIM xn AS LONG");
  out.line(" DIM yk AS LONG");
  out.line(" DIM xk AS LONG");
  out.line(" nob = 1");
  out.line(" okr = ", settings.cornerRadius);
  out.line(" ystep = ", settings.cellHeight);
  out.line(" xstep = ", settings.cellWidth);
  out.line("    GOSUB Lear");
  // Arrow lengths, the same for every cell size.
  out.line("h1=34750");
  out.line("h2=41070");
  out.line("h3=25270");
  out.line("h4=37910");
}

// Lear puts the current cell back on the top-left cell.
void WriteTrailer(MacroText& out) {
  out.line(" .ResumePainting");
  out.line(" .EndOfRecording");
  out.line("GOTO k1");
  out.line("Lear:");
  out.line(" yn = ", ScriptOriginY);
  out.line(" xn = ", ScriptOriginX);
  out.line(" yk = yn - ystep");
  out.line(" xk = xn + xstep");
  out.line("RETURN");
}

// About 30 bytes a line and a dozen lines a cell, so one allocation mostly.
std::size_t ExpectedBytes(const ScanwordDocument& document) {
  return 4096 + std::size_t{document.gridWidth} * document.gridHeight * 400;
}

}  // namespace

std::string CorelScriptWriter::write(const ExportChoice& choice) const {
  ScriptWriterState script{document_, settings_, DialectOf(choice.version), {}, {}, 1};
  script.out.reserve(ExpectedBytes(document_));
  WriteHeader(script.out, choice.version);
  WriteDeclarations(script.out, settings_);
  if (choice.layerMode == LayerMode::OneLayer) {
    WriteGridLoop(script, OneLayerLayout());
  } else {
    WriteLayeredBody(script, choice.layerMode, choice.passes);
  }
  WriteTrailer(script.out);
  WriteSubroutineLibrary(script);
  script.out.line("k1: END WITHOBJECT");
  return script.out.take();
}

void CorelScriptWriter::write(const ExportChoice& choice, std::ostream& out) const {
  const std::string macro = write(choice);
  out.write(macro.data(), static_cast<std::streamsize>(macro.size()));
}

Failure CorelScriptWriter::writeFile(const std::filesystem::path& path, const ExportChoice& choice) const {
  const WriteOutcome written = WriteFileAtomically(path, write(choice));
  if (written) return std::nullopt;
  return WriteFailedMessage(kMacroWriteFailedMessage, path, *written.failure);
}

}  // namespace verstak
