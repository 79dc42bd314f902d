#include "mirsaclient/entry/Districts.h"

#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include "mirsaclient/entry/Captions.h"
#include "mirsaclient/resources/ApplicationFormIds.h"
#include "platform/CaseBlindPath.h"
#include "platform/TextMode.h"
#include "ui/Dialog.h"
#include "ui/TextCase.h"
#include "ui/Toolkit.h"

namespace mirsa {
namespace {

// Calls `line` for each line of the file before "END"; false when it cannot be read.
bool ForEachStateLine(const std::function<void(std::string_view)>& line) {
  const std::optional<std::string> text = platform::ReadTextFile(DistrictsFilePath());
  if (!text) return false;
  std::string_view rest = *text;
  while (!rest.empty()) {
    const std::size_t lf = rest.find('\n');
    const std::string_view current = rest.substr(0, lf);
    rest = lf == std::string_view::npos ? std::string_view() : rest.substr(lf + 1);
    if (current == "END") break;
    line(current);
  }
  return true;
}

// The text before the first "|"; empty when the line has none.
std::string_view StateOf(std::string_view line) {
  const std::size_t bar = line.find('|');
  return bar == std::string_view::npos ? std::string_view() : line.substr(0, bar);
}

}  // namespace

std::filesystem::path DistrictsFilePath() {
  return platform::BelowCurrentDir(std::string("\\") + kDistrictsFileName);
}

bool DistrictsFileAvailable() {
  return std::ifstream(DistrictsFilePath()).is_open();
}

// The loader once showed the current directory in a message box first, a development trace
// that is left out.
bool LoadStateList(ui::Control& stateCombo) {
  if (!ForEachStateLine([&](std::string_view line) { stateCombo.AddItem(StateOf(line)); }))
    return false;
  stateCombo.SetSelection(0);
  return true;
}

bool LoadDistrictList(ui::Control& districtCombo, std::string_view state) {
  districtCombo.ClearItems();
  return ForEachStateLine([&](std::string_view line) {
    const std::size_t bar = line.find('|');
    if (bar == std::string_view::npos || !ui::EqualIgnoringCase(line.substr(0, bar), state)) return;
    // Each piece after the state, up to the next "|"; a line ending in "|" adds an empty one.
    std::string_view rest = line.substr(bar + 1);
    for (std::size_t next; (next = rest.find('|')) != std::string_view::npos;) {
      districtCombo.AddItem(rest.substr(0, next));
      rest.remove_prefix(next + 1);
    }
    districtCombo.AddItem(rest);
  });
}

void OnStateChanged(ui::Dialog& form) {
  const std::string state = form.control(IDC_STATE).text();
  if (state.empty()) {
    form.toolkit().MessageBox("Please Select a State", kCaptionTalvo);
    form.SetFocus(IDC_STATE);
  }
  ui::Control& districts = form.control(IDC_DISTRICT);
  LoadDistrictList(districts, state);
  districts.SetSelection(0);
}

}  // namespace mirsa
