// The rules of printing a window: the rectangle its image is stretched onto
// on the page, the message a failed print-setup dialog gives, the texts of
// the print messages, and the once-per-print bookkeeping of messages and
// the Cancel button.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace shell {

// Print message numbers (texts in print_message_text).
inline constexpr int kPrintMessageAborted = 0;
inline constexpr int kPrintMessageDriver = 1;
inline constexpr int kPrintMessageNoDefault = 2;
inline constexpr int kPrintMessageNoDriver = 3;
inline constexpr int kPrintMessageError = 4;
inline constexpr int kPrintMessageInternal = 9;

// The text of print message `number`: 0-4 the messages, 5-7 the printing
// dialog's button, text and caption, 8 the driver message again, 9 and
// above "Print: Internal Error". 0-7 follow SETMESSAGEQQ.
std::string print_message_text(int number);

// The extended error codes of the print-setup dialog that choose a message.
inline constexpr std::uint32_t kSetupCancelled = 0;
inline constexpr std::uint32_t kSetupLoadDriverFailed = 0x1006;  // PDERR_LOADDRVFAILURE
inline constexpr std::uint32_t kSetupNoDevices = 0x1007;         // PDERR_NODEVICES
inline constexpr std::uint32_t kSetupNoDefaultPrinter = 0x1008;  // PDERR_NODEFAULTPRN

// The message of a print-setup dialog that returned without a printer:
// none when the user cancelled, else 1, 2, 3 or 0.
std::optional<int> setup_failure_message(std::uint32_t extended_error);

// Where the window's image goes on the page, in printer pixels from the top
// left corner: the printable width across, and down as far as keeps the
// image's proportions on a printer with `dpi_x` x `dpi_y` pixels per inch.
struct PageRect {
  int width = 0;
  int height = 0;
  bool empty() const { return width < 1 || height < 1; }
};
PageRect page_rect(int image_width, int image_height, int printable_width, int dpi_x, int dpi_y);

// One print's messages and its Cancel: at most one message a print, and
// none once the user cancelled it.
class PrintMessages {
 public:
  void begin() { shown_ = cancelled_ = false; }
  void cancel() { cancelled_ = true; }
  bool cancelled() const { return cancelled_; }
  // The text to show for message `number`, or none when this print has
  // already shown one or was cancelled.
  std::optional<std::string> take(int number);

 private:
  bool shown_ = false;
  bool cancelled_ = false;
};

}  // namespace shell
