// The grid of values that both load dialogs show: one column per point of the load (headed by a
// static), one row per direction, each value in a number-entry edit in the "%11.4e" form.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/ui/DataExchange.h"
#include "platform/ui/Dialog.h"
#include "runtime/skeleton/CPrettyControls.h"

namespace loadbc {

inline constexpr int kPoints = 3;
inline constexpr int kDirections = 3;

// Values and their texts by point, then direction, as the blocks store them.
using PointValues = double[kPoints][kDirections];
using ValueTexts = std::array<std::array<std::string, kDirections>, kPoints>;

// The control ids of a grid.
struct GridIds {
  std::array<int, kPoints> headers;
  std::array<std::array<int, kDirections>, kPoints> values;  // [point][direction]
};

// The value text of a number: "%11.4e".
std::string valueText(double value);

// The texts of one point become its values from the block.
void formatPoint(ValueTexts& texts, const PointValues& values, int point);
// The values of one point become what its texts read (atof).
void storePoint(PointValues& values, const ValueTexts& texts, int point);

class ValueGrid {
 public:
  // Takes over the grid's controls of the dialog: the nine edits as numeric pretty edits, the
  // headers as pretty statics, in the given colours (none: the statics' own yellow on blue).
  ValueGrid(ui::Dialog& dialog, const GridIds& ids, std::optional<ui::Colours> headerColours);
  ValueGrid(const ValueGrid&) = delete;
  ValueGrid& operator=(const ValueGrid&) = delete;

  const GridIds& ids() const { return ids_; }

  // Binds the nine edits to the texts.
  void exchange(ui::DataExchange& exchange, ValueTexts& texts) const;
  // Hides the header and the edits of every column from `firstHidden` on.
  void hideColumnsFrom(int firstHidden);
  void setHeader(int point, const std::string& text);

 private:
  ui::Dialog& dialog_;
  GridIds ids_;
  std::array<std::array<CPrettyEdit, kDirections>, kPoints> edits_;
  std::array<CPrettyStatic, kPoints> headers_;
};

}  // namespace loadbc
