// The paste buffer as keyboard reads see it. Nothing can be pasted yet, so
// no text is ever pending and reads wait for typed keys only.
#include "shell/edit/paste_input.h"

namespace shell {

bool paste_pending() {
  return false;
}

PastePiece GetPasteStg(int) {
  return PastePiece{};
}

std::string ProcessBuff(std::string_view piece) {
  return std::string(piece);
}

}  // namespace shell
