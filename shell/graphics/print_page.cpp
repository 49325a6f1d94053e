// Printing rules that need no printer.
#include "shell/graphics/print_page.h"

#include <cmath>
#include <limits>

#include "shell/frame/shell_texts.h"

namespace shell {

std::string print_message_text(int number) {
  switch (number) {
    case 0:
      return shell_text(ShellText::kPrintAborted);
    case 1:
      return shell_text(ShellText::kPrintDriverFailed);
    case 2:
      return shell_text(ShellText::kNoDefaultPrinter);
    case 3:
      return shell_text(ShellText::kNoPrinterDriver);
    case 4:
      return shell_text(ShellText::kPrintingError);
    case 5:
      return shell_text(ShellText::kPrintingCancel);
    case 6:
      return shell_text(ShellText::kPrintingInProgress);
    case 7:
      return shell_text(ShellText::kPrintingCaption);
    case 8:
      return "Error! Loading printer driver";
    default:
      return "Print: Internal Error";
  }
}

std::optional<int> setup_failure_message(std::uint32_t extended_error) {
  switch (extended_error) {
    case kSetupCancelled:
      return std::nullopt;
    case kSetupLoadDriverFailed:
      return kPrintMessageDriver;
    case kSetupNoDefaultPrinter:
      return kPrintMessageNoDefault;
    case kSetupNoDevices:
      return kPrintMessageNoDriver;
    default:
      return kPrintMessageAborted;
  }
}

PageRect page_rect(int image_width, int image_height, int printable_width, int dpi_x, int dpi_y) {
  if (image_width < 1 || image_height < 1 || printable_width < 1 || dpi_x < 1 || dpi_y < 1)
    return PageRect{};
  const double down = static_cast<double>(image_height) / image_width *
                      (static_cast<double>(dpi_y) / dpi_x) * printable_width;
  // A height beyond the printer's coordinates cannot be drawn in one piece.
  if (!(down < std::numeric_limits<int>::max())) return PageRect{};
  return PageRect{printable_width, static_cast<int>(std::trunc(down))};
}

std::optional<std::string> PrintMessages::take(int number) {
  if (shown_ || cancelled_) return std::nullopt;
  shown_ = true;
  return print_message_text(number);
}

}  // namespace shell
