// File > Save... on the GUI thread. The window's drawing lock is held from
// the dialog to the end (unless the program is paused, when a suspended
// thread may hold it), so the program cannot draw while the image is taken.
// The window is saved through its own record: a window kept after its unit
// was closed is saved as it is, and no thread's active window changes.
#include "shell/graphics/save_command_win.h"

#include <commdlg.h>

#include <optional>
#include <string>

#include "shell/child/child_record_win.h"
#include "shell/frame/common_dialogs_win.h"
#include "shell/frame/error_boxes_win.h"
#include "shell/frame/shell_texts.h"
#include "shell/graphics/bitmap_file.h"
#include "shell/graphics/graphics_status.h"
#include "shell/graphics/image_files_win.h"
#include "shell/graphics/window_command_win.h"
#include "shell/startup/shell_state_win.h"

namespace shell {
namespace {

constexpr int kNameBufferSize = 256;

// The file name chosen in the save dialog; none when the user cancelled.
std::optional<std::string> ask_file_name() {
  char name[kNameBufferSize] = {};
  const std::string filters = filter_list(ShellText::kBitmapFilter);
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = shell_state().frame;
  ofn.lpstrFilter = filters.empty() ? nullptr : filters.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name;
  ofn.nMaxFile = kNameBufferSize;
  ofn.lpstrDefExt = "bmp";
  ofn.Flags = OFN_OVERWRITEPROMPT | OFN_NOREADONLYRETURN | OFN_NONETWORKBUTTON;
  if (!save_file_dialog(&ofn)) return std::nullopt;
  return std::string(name);
}

}  // namespace

void save_command(HWND child) {
  const WindowCommand command(child);
  ChildRecord* r = command.window();
  if (r == nullptr) return;
  const std::optional<std::string> name = ask_file_name();
  if (!name) return;
  bool out_of_memory = false;
  const std::vector<std::uint8_t> image = whole_screen_image(*r, out_of_memory);
  const GraphicsStatus written =
      image.empty() ? kImageTakeFailed : write_bitmap_file(*name, image.data(), image.size());
  if (written != 0) {
    set_graphics_status(kStatusOk);
    error_box(kErrorUnexpected, __FILE__, __LINE__);
  }
}

}  // namespace shell
