#include "loadbc/ValueGrid.h"

#include "runtime/skeleton/NumberText.h"

namespace loadbc {

std::string valueText(double value) { return skeleton::formatNumber("%11.4e", value); }

void formatPoint(ValueTexts& texts, const PointValues& values, int point) {
  for (int d = 0; d < kDirections; ++d) texts[point][d] = valueText(values[point][d]);
}

void storePoint(PointValues& values, const ValueTexts& texts, int point) {
  for (int d = 0; d < kDirections; ++d) values[point][d] = skeleton::readNumber(texts[point][d]);
}

ValueGrid::ValueGrid(ui::Dialog& dialog, const GridIds& ids, std::optional<ui::Colours> headerColours)
    : dialog_(dialog), ids_(ids) {
  for (int p = 0; p < kPoints; ++p) {
    if (headerColours) headers_[p].SetColours(headerColours->text, headerColours->back);
    dialog_.SubclassDlgItem(ids_.headers[p], headers_[p]);
    for (int d = 0; d < kDirections; ++d) {
      edits_[p][d].SetNumeric(1);
      dialog_.SubclassDlgItem(ids_.values[p][d], edits_[p][d]);
    }
  }
}

void ValueGrid::exchange(ui::DataExchange& exchange, ValueTexts& texts) const {
  for (int p = 0; p < kPoints; ++p) {
    for (int d = 0; d < kDirections; ++d) exchange.text(ids_.values[p][d], texts[p][d]);
  }
}

void ValueGrid::hideColumnsFrom(int firstHidden) {
  for (int p = firstHidden; p < kPoints; ++p) {
    dialog_.ShowWindow(ids_.headers[p], false);
    for (const int id : ids_.values[p]) dialog_.ShowWindow(id, false);
  }
}

void ValueGrid::setHeader(int point, const std::string& text) {
  dialog_.SetDlgItemText(ids_.headers[point], text);
}

}  // namespace loadbc
