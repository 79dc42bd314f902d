#include "ui/IpAddress.h"

#include <algorithm>
#include <cctype>

#include "ui/Control.h"

namespace ui {
namespace {

constexpr std::size_t kFieldDigits = 3;

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool AllBlank(const IpAddressFields& fields) {
  return std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return f.empty(); });
}

// A field's number, counted no further than needed to know it is too large.
int ValueOf(std::string_view digits) {
  int value = 0;
  for (char c : digits) value = std::min(value * 10 + (c - '0'), 10 * kIpFieldMaximum);
  return value;
}

// Where the caret is: a field and an offset inside it.
struct Caret {
  int field = 0;
  int offset = 0;
};

Caret CaretAt(const IpAddressFields& fields, int position) {
  if (AllBlank(fields)) return {};
  int start = 0;
  for (int i = 0; i < kIpAddressFields; ++i) {
    const int length = static_cast<int>(fields[i].size());
    if (position <= start + length || i == kIpAddressFields - 1)
      return {i, std::clamp(position - start, 0, length)};
    start += length + 1;
  }
  return {};
}

int PositionOf(const IpAddressFields& fields, Caret caret) {
  if (AllBlank(fields)) return 0;
  int position = 0;
  for (int i = 0; i < caret.field; ++i) position += static_cast<int>(fields[i].size()) + 1;
  return position + caret.offset;
}

// Puts `digits` into a field without leading zeros; answers where a caret at `offset` of the
// raw digits lands in the stored ones.
int StoreField(IpAddressFields& fields, int field, const std::string& digits, int offset) {
  std::string stored = digits.empty() ? std::string() : std::to_string(ValueOf(digits));
  const int dropped = static_cast<int>(digits.size() - stored.size());
  fields[field] = std::move(stored);
  return std::clamp(offset - dropped, 0, static_cast<int>(fields[field].size()));
}

}  // namespace

IpAddressFields ParseIpAddress(std::string_view text) {
  IpAddressFields fields;
  std::size_t start = 0;
  for (int i = 0; i < kIpAddressFields && start <= text.size(); ++i) {
    std::size_t dot = text.find('.', start);
    if (dot == std::string_view::npos) dot = text.size();
    const std::string_view part = text.substr(start, dot - start);
    std::size_t digits = 0;
    while (digits < part.size() && IsDigit(part[digits])) ++digits;
    if (digits > 0)
      fields[i] = std::to_string(std::min(ValueOf(part.substr(0, digits)), kIpFieldMaximum));
    start = dot + 1;
  }
  return fields;
}

std::string FormatIpAddress(const IpAddressFields& fields) {
  if (AllBlank(fields)) return {};
  std::string text = fields[0];
  for (int i = 1; i < kIpAddressFields; ++i) text += "." + fields[i];
  return text;
}

std::string NormalizeIpAddress(std::string_view text) {
  return FormatIpAddress(ParseIpAddress(text));
}

bool IsIpAddressBlank(const Control& box) {
  return AllBlank(ParseIpAddress(box.text()));
}

std::optional<int> IpAddressField(const Control& box, int field) {
  if (field < 0 || field >= kIpAddressFields) return std::nullopt;
  const std::string digits = ParseIpAddress(box.text())[field];
  if (digits.empty()) return std::nullopt;
  return ValueOf(digits);
}

void EditIpAddress(Control& box, const Key& key) {
  if (box.readOnly()) return;
  IpAddressFields fields = ParseIpAddress(box.text());
  const int selStart = box.selectionStart();
  const int selLength = box.selectionLength();
  Caret caret = CaretAt(fields, selStart);

  // Removes the selected digits: those of one field, or every field when it spans several.
  auto removeSelection = [&](IpAddressFields& f, Caret& at) {
    if (selLength == 0) return;
    const Caret end = CaretAt(f, selStart + selLength);
    if (end.field == at.field) {
      std::string digits = f[at.field];
      digits.erase(at.offset, end.offset - at.offset);
      at.offset = StoreField(f, at.field, digits, at.offset);
    } else {
      f = {};
      at = {};
    }
  };
  auto show = [&box](const IpAddressFields& f, Caret at, int selectLength = 0) {
    box.SetText(FormatIpAddress(f));
    box.SetTextSelection(PositionOf(f, at), selectLength);
  };
  // Moves to the start of the next field with its digits selected, so that typing replaces them.
  auto nextField = [&show](const IpAddressFields& f, const Caret& at) {
    const Caret next{at.field + 1, 0};
    show(f, next, static_cast<int>(f[next.field].size()));
  };

  switch (key.code) {
    case Key::kBackspace:
      if (selLength > 0) {
        removeSelection(fields, caret);
      } else if (caret.offset > 0) {
        std::string digits = fields[caret.field];
        digits.erase(caret.offset - 1, 1);
        caret.offset = StoreField(fields, caret.field, digits, caret.offset - 1);
      } else if (caret.field > 0) {
        --caret.field;
        std::string digits = fields[caret.field];
        if (!digits.empty()) digits.pop_back();
        caret.offset = StoreField(fields, caret.field, digits, static_cast<int>(digits.size()));
      }
      show(fields, caret);
      return;
    case Key::kDelete:
      if (selLength > 0) {
        removeSelection(fields, caret);
      } else if (caret.offset < static_cast<int>(fields[caret.field].size())) {
        std::string digits = fields[caret.field];
        digits.erase(caret.offset, 1);
        caret.offset = StoreField(fields, caret.field, digits, caret.offset);
      }
      show(fields, caret);
      return;
    case Key::kLeft:
      box.SetTextSelection(selLength > 0 ? selStart : std::max(0, selStart - 1), 0);
      return;
    case Key::kRight:
      box.SetTextSelection(selLength > 0 ? selStart + selLength : selStart + 1, 0);
      return;
    case Key::kHome:
      box.SetTextSelection(0, 0);
      return;
    case Key::kEnd:
      box.SetTextSelection(static_cast<int>(box.text().size()), 0);
      return;
    default:
      break;
  }
  if (!key.printable()) return;
  const char c = key.character();
  if (c == '.') {
    if (!fields[caret.field].empty() && caret.field < kIpAddressFields - 1)
      nextField(fields, caret);
    return;
  }
  if (!IsDigit(c)) return;

  IpAddressFields typed = fields;
  Caret at = caret;
  removeSelection(typed, at);
  std::string digits = typed[at.field];
  digits.insert(static_cast<std::size_t>(at.offset), 1, c);
  if (digits.size() > kFieldDigits || ValueOf(digits) > kIpFieldMaximum) return;  // refused
  at.offset = StoreField(typed, at.field, digits, at.offset + 1);
  const bool full =
      typed[at.field].size() == kFieldDigits && at.offset == static_cast<int>(kFieldDigits);
  if (full && at.field < kIpAddressFields - 1) {
    nextField(typed, at);
  } else {
    show(typed, at);
  }
}

}  // namespace ui
