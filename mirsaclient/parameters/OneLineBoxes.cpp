#include "mirsaclient/parameters/OneLineBoxes.h"

#include <string>

#include "ui/Dialog.h"

namespace mirsa {

void RefuseFieldSeparator(ui::Dialog& dialog, int boxId) {
  dialog.OnKey(boxId, [](ui::Key& key) {
    if (key.code == '|') key.code = ui::Key::kNone;
  });
  ui::Control& box = dialog.control(boxId);
  dialog.On(boxId, ui::Event::Change, [&box] {
    if (box.text().find('|') == std::string::npos) return;
    std::string text = box.text();
    std::erase(text, '|');
    box.SetText(text);  // fires this handler once more, which finds nothing to do
  });
}

}  // namespace mirsa
