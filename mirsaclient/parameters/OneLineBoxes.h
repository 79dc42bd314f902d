#pragma once
// Boxes whose text goes into a one-line '|'-separated file take no '|': it is refused as it is
// typed, and taken out of text that reaches the box otherwise (pasted, or set by the program).

namespace ui {
class Dialog;
}

namespace mirsa {

void RefuseFieldSeparator(ui::Dialog& dialog, int boxId);

}  // namespace mirsa
