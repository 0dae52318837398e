#include "platform/ui/DataExchange.h"

#include <cctype>
#include <charconv>

#include "platform/ui/Dialog.h"
#include "platform/ui/Services.h"

namespace ui {

bool parseWholeNumber(const std::string& text, int& value) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
  if (begin < end && text[begin] == '+') {
    ++begin;
    if (begin < end && text[begin] == '-') return false;
  }
  if (begin == end) return false;
  int parsed = 0;
  const char* first = text.data() + begin;
  const char* last = text.data() + end;
  const auto [stop, error] = std::from_chars(first, last, parsed);
  if (error != std::errc() || stop != last) return false;
  value = parsed;
  return true;
}

void DataExchange::text(int id, std::string& value) {
  if (saving_) {
    value = dialog_.GetDlgItemText(id);
  } else if (dialog_.GetDlgItemText(id) != value) {
    dialog_.SetDlgItemText(id, value);
  }
}

void DataExchange::text(int id, int& value) {
  if (!saving_) {
    std::string shown = std::to_string(value);
    text(id, shown);
    return;
  }
  int parsed = 0;
  if (!parseWholeNumber(dialog_.GetDlgItemText(id), parsed)) {
    AfxMessageBox("Please enter an integer.", MB_OK | MB_ICONEXCLAMATION);
    throw DataExchangeFailure{id};
  }
  value = parsed;
}

void DataExchange::index(int id, int& value) {
  if (saving_) {
    value = dialog_.GetCurSel(id);
  } else {
    dialog_.SetCurSel(id, value);
  }
}

void DataExchange::check(int id, int& value) {
  if (saving_) {
    value = dialog_.IsDlgButtonChecked(id);
  } else {
    dialog_.CheckDlgButton(id, value);
  }
}

}  // namespace ui
