// PDF files of the test queue, Linux tools run from Wine, and the
// comparison of a printed page with its window.
#include "e2e/print_check.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace print_check {

std::string pdf_directory() {
  const char* dir = std::getenv("BVRANK_PRINT_DIR");
  if (dir == nullptr || dir[0] != '/') return {};
  std::string out = std::string("Z:") + dir;
  for (char& c : out) {
    if (c == '/') c = '\\';
  }
  return out;
}

std::string linux_path(const std::string& windows_path) {
  std::string out = windows_path;
  if (out.size() >= 2 && (out[0] == 'Z' || out[0] == 'z') && out[1] == ':') out.erase(0, 2);
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  return out;
}

std::set<std::string> pdf_files() {
  std::set<std::string> files;
  const std::string dir = pdf_directory();
  if (dir.empty()) return files;
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((dir + "\\*.pdf").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return files;
  do {
    files.insert(dir + "\\" + found.cFileName);
  } while (FindNextFileA(h, &found));
  FindClose(h);
  return files;
}

namespace {

bool complete_pdf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::size_t end = bytes.find_last_not_of("\r\n ");
  return end != std::string::npos && end >= 4 && bytes.compare(end - 4, 5, "%%EOF") == 0;
}

}  // namespace

std::string wait_for_new_pdf(const std::set<std::string>& before, int timeout_ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    for (const std::string& f : pdf_files()) {
      if (before.count(f) == 0 && complete_pdf(f)) return f;
    }
    if (std::chrono::steady_clock::now() >= deadline) return {};
    // The file is written by the queue's backend, a Linux process: nothing
    // to wait on from here but the file itself.
    Sleep(20);
  }
}

bool start_linux(const std::string& command_line) {
  std::vector<char> line(command_line.begin(), command_line.end());
  line.push_back('\0');
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi)) {
    return false;
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return true;
}

Gray read_pnm(const std::string& path) {
  Gray g;
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int width = 0, height = 0, max = 0;
  in >> magic >> width >> height >> max;
  in.get();  // the one white-space byte before the pixels
  if (!in || (magic != "P5" && magic != "P6") || width < 1 || height < 1 || max != 255) return g;
  const std::size_t n = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  const std::size_t channels = magic == "P6" ? 3 : 1;
  std::vector<std::uint8_t> raw(n * channels);
  in.read(reinterpret_cast<char*>(raw.data()), static_cast<std::streamsize>(raw.size()));
  if (static_cast<std::size_t>(in.gcount()) != raw.size()) return g;
  g.width = width;
  g.height = height;
  g.pixels.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint8_t* p = &raw[i * channels];
    g.pixels[i] = channels == 1 ? p[0] : static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
  }
  return g;
}

Gray picture_from(const std::string& command_line, const std::string& pnm, int timeout_ms) {
  DeleteFileA(pnm.c_str());
  if (!start_linux(command_line)) return Gray{};
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    Gray g = read_pnm(pnm);
    if (g.width > 0 || std::chrono::steady_clock::now() >= deadline) {
      DeleteFileA(pnm.c_str());
      return g;
    }
    Sleep(20);  // written by a Linux process: the file is all there is to watch
  }
}

Gray render_pdf(const std::string& pdf, int dpi) {
  const std::string out = linux_path(pdf) + "-page";
  return picture_from("/usr/bin/pdftoppm -gray -singlefile -r " + std::to_string(dpi) + " " +
                          linux_path(pdf) + " " + out,
                      pdf + "-page.pgm");
}

std::vector<Run> dark_runs(const Gray& picture) {
  std::vector<Run> runs;
  for (int y = 0; y < picture.height; ++y) {
    bool dark = false;
    for (int x = 0; x < picture.width && !dark; ++x) dark = picture.at(x, y) < 128;
    if (!dark) continue;
    if (!runs.empty() && runs.back().last == y - 1) {
      runs.back().last = y;
    } else {
      runs.push_back(Run{y, y});
    }
  }
  return runs;
}

bool page_shows_window(const Gray& page, const Gray& window, std::string& why) {
  const std::vector<Run> expected = dark_runs(window);
  const std::vector<Run> printed = dark_runs(page);
  if (expected.empty()) {
    why = "the window has no dark rows";
    return false;
  }
  if (printed.size() != expected.size()) {
    why = "the page has " + std::to_string(printed.size()) + " runs of dark rows, the window " +
          std::to_string(expected.size());
    return false;
  }
  // The window fills the page's width, so both directions scale alike.
  const double scale = static_cast<double>(page.width) / window.width;
  const double tolerance = 2 + scale;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const double first = expected[i].first * scale;
    const double last = (expected[i].last + 1) * scale - 1;
    if (std::fabs(printed[i].first - first) > tolerance ||
        std::fabs(printed[i].last - last) > tolerance) {
      why = "run " + std::to_string(i) + " of dark rows is at " + std::to_string(printed[i].first) +
            "-" + std::to_string(printed[i].last) + " on the page, expected about " +
            std::to_string(static_cast<int>(first)) + "-" + std::to_string(static_cast<int>(last));
      return false;
    }
  }
  return true;
}

}  // namespace print_check
