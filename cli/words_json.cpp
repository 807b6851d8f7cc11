#include "cli/words_json.h"

#include "cli/json_string.h"
#include "document/check_markup.h"
#include "document/slot_numbering.h"

namespace verstak::batch {
namespace {

void AppendWord(std::string& json, const Word& word) {
  json += "{\"row\":" + std::to_string(word.y) + ",\"column\":" + std::to_string(word.x) + ",\"direction\":";
  json += word.direction == WordDirection::Across ? "\"across\"" : "\"down\"";
  json += ",\"length\":" + std::to_string(word.length) + "}";
}

void AppendAnswer(std::string& json, const ScanwordDocument& document, const std::optional<Word>& word) {
  json += "{\"answer\":";
  const std::optional<std::string> answer = word ? WordAnswer(document, *word) : std::nullopt;
  if (answer) {
    AppendJsonString(json, *answer);
  } else {
    json += "null";
  }
  json += ",\"word\":";
  if (word) {
    AppendWord(json, *word);
  } else {
    json += "null";
  }
  json += '}';
}

}  // namespace

std::string WithWords(std::string documentJson, const ScanwordDocument& document) {
  if (documentJson.empty() || documentJson.back() != '}') return documentJson;
  documentJson.pop_back();
  const ClueLinks links(document);
  std::string& json = documentJson;
  json += ",\"answers\":[";
  for (int slot = 1, total = SlotTotal(document); slot <= total; ++slot) {
    if (slot > 1) json += ',';
    AppendAnswer(json, document, links.wordOfSlot(slot));
  }
  json += "],\"words\":" + std::to_string(links.words().size()) + ",\"faults\":[";
  bool first = true;
  for (const MarkupFault& fault : CheckMarkup(links)) {
    if (!first) json += ',';
    first = false;
    json += '"' + fault.text + '"';  // the program's own words: no quote or control byte
  }
  return json + "]}";
}

}  // namespace verstak::batch
