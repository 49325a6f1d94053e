// Checking what was printed: the PDF files that the test print queue
// writes (its directory comes from BVRANK_PRINT_DIR, set by the test
// script), Linux tools run from under Wine to render them (pdftoppm) or to
// read a saved bitmap independently (ImageMagick's convert), and the dark
// rows of a page compared with those of the window it shows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace print_check {

// The print queue's PDF directory as a Windows path; empty when the tests
// were started without a print queue.
std::string pdf_directory();
// The PDF files in it now.
std::set<std::string> pdf_files();
// Waits for a complete PDF (ending in "%%EOF") that is not in `before`;
// its Windows path, or empty when none came in `timeout_ms`.
std::string wait_for_new_pdf(const std::set<std::string>& before, int timeout_ms);

// Starts a Linux program (absolute path first) with its arguments; false
// when it could not be started. Wine starts it on its own: its end cannot
// be waited for, only what it writes.
bool start_linux(const std::string& command_line);
// A Windows path on the Z: drive as a Linux path.
std::string linux_path(const std::string& windows_path);

// A grey picture, one byte a pixel, rows from the top.
struct Gray {
  int width = 0, height = 0;
  std::vector<std::uint8_t> pixels;
  std::uint8_t at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};
// Reads a binary PGM (P5) or PPM (P6, turned grey) file; empty unless the
// file is complete.
Gray read_pnm(const std::string& path);
// Runs a Linux program that writes the picture file `pnm` (a Windows path)
// and waits until that file is complete; empty when it was not in time.
Gray picture_from(const std::string& command_line, const std::string& pnm, int timeout_ms = 30000);
// The first page of a PDF rendered in grey at `dpi`.
Gray render_pdf(const std::string& pdf, int dpi);

// Runs of rows that hold a dark pixel, as [first, last] row pairs.
struct Run {
  int first, last;
};
std::vector<Run> dark_runs(const Gray& picture);

// True when the page shows the window's dark rows in the same order and
// proportions, the window stretched across the page's width; `why` says
// what differed.
bool page_shows_window(const Gray& page, const Gray& window, std::string& why);

}  // namespace print_check
