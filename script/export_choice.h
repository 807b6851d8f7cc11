#pragma once
// What the export dialog (or the command line) asks of the macro writer:
// the CorelDRAW version, the layout of the body and, for the layered
// layouts, which passes to write.

namespace verstak {

enum class CorelVersion {
  Draw7 = 7,
  Draw9 = 9,
  Draw10 = 10,
};

enum class LayerMode {
  OneLayer,              // "Всё на один слой": each cell drawn completely in turn
  SeparatelyOnOneLayer,  // "Раздельно на один слой": pass by pass, no layer lines
  ByLayers,              // "По слоям": pass by pass, each on a layer of its own
};

// The six check boxes; read only by the layered layouts.
struct PassChoices {
  bool text = true;          // "Текст"
  bool arrows = true;        // "Стрелки"
  bool emptySquares = true;  // "Пустые (квадраты)"
  bool fullSquares = true;   // "Полные (квадраты)"
  bool pictures = true;      // "Картинки"
  bool allSquares = true;    // "Квадраты (все)"

  friend bool operator==(const PassChoices&, const PassChoices&) = default;
};

// The dialog's initial state: CorelDRAW 9, one layer, every box ticked.
struct ExportChoice {
  CorelVersion version = CorelVersion::Draw9;
  LayerMode layerMode = LayerMode::OneLayer;
  PassChoices passes;

  friend bool operator==(const ExportChoice&, const ExportChoice&) = default;
};

}  // namespace verstak
