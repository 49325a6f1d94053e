// Win32 automation helpers for the end-to-end tests: the process and its
// temporary directory, finding and answering dialogs and message boxes,
// reading the status bar and the screen.
#include "e2e/driver.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

namespace driver {

std::string windows_path(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string out = "Z:" + path;
  for (char& c : out) {
    if (c == '/') c = '\\';
  }
  return out;
}

bool wait_until(const std::function<bool()>& done, int timeout_ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return done();
    // Nothing to wait on across processes for another program's state: poll.
    Sleep(15);
  }
}

// ---- Process ----

Process::Process(const std::string& exe, const std::string& arguments,
                 const std::string& directory) {
  job_ = CreateJobObjectA(nullptr, nullptr);
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);

  std::string command = "\"" + windows_path(exe) + "\"";
  if (!arguments.empty()) command += " " + arguments;
  std::vector<char> buffer(command.begin(), command.end());
  buffer.push_back('\0');
  const std::string dir = windows_path(directory);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  // Starting a process was once seen to fail under Wine on a loaded
  // machine (a full run, once): the system call is tried again a few
  // times. This says nothing about the program, which has not run yet.
  for (int attempt = 0;; ++attempt) {
    if (CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                       dir.empty() ? nullptr : dir.c_str(), &si, &pi)) {
      break;
    }
    start_error_ = GetLastError();
    if (attempt == 2) return;
    Sleep(100);
  }
  start_error_ = 0;
  AssignProcessToJobObject(job_, pi.hProcess);
  ResumeThread(pi.hThread);
  CloseHandle(pi.hThread);
  process_ = pi.hProcess;
  id_ = pi.dwProcessId;
}

Process::~Process() {
  if (process_ != nullptr) {
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_, 255);
      // Its files are removed next: let it let go of them first.
      WaitForSingleObject(process_, kPatience);
    }
    CloseHandle(process_);
  }
  if (job_ != nullptr) CloseHandle(job_);
}

DWORD Process::wait_exit(int timeout_ms) {
  if (process_ == nullptr) return STILL_ACTIVE;
  if (WaitForSingleObject(process_, static_cast<DWORD>(timeout_ms)) != WAIT_OBJECT_0)
    return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_, &code);
  return code;
}

bool Process::running() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::vector<DWORD> thread_ids(DWORD pid) {
  std::vector<DWORD> ids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return ids;
  THREADENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID == pid) ids.push_back(entry.th32ThreadID);
  }
  CloseHandle(snapshot);
  return ids;
}

bool wait_new_threads_ended(DWORD pid, const std::vector<DWORD>& before, int timeout_ms) {
  bool ended = true;
  for (DWORD id : thread_ids(pid)) {
    if (std::find(before.begin(), before.end(), id) != before.end()) continue;
    HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, id);
    if (thread == nullptr) continue;  // ended meanwhile
    ended = WaitForSingleObject(thread, static_cast<DWORD>(timeout_ms)) == WAIT_OBJECT_0 && ended;
    CloseHandle(thread);
  }
  return ended;
}

// ---- Files ----

namespace {

bool is_directory(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void remove_tree(const std::string& dir) {
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &found);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = dir + "\\" + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        remove_tree(path);
      } else {
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(h, &found));
    FindClose(h);
  }
  RemoveDirectoryA(dir.c_str());
}

}  // namespace

TempDir::TempDir() {
  // A short base leaves room for the long paths some tests build inside.
  std::string base = "Z:\\tmp";
  if (!is_directory(base)) {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    base = temp;
    if (!base.empty() && base.back() == '\\') base.pop_back();
  }
  static int counter = 0;
  for (int attempt = 0; attempt < 1000; ++attempt) {
    const std::string candidate =
        base + "\\bve2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    if (CreateDirectoryA(candidate.c_str(), nullptr)) {
      path_ = candidate;
      return;
    }
  }
}

TempDir::~TempDir() {
  if (!path_.empty()) remove_tree(path_);
}

bool file_exists(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string read_file(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char chunk[65536];
  DWORD got = 0;
  while (ReadFile(h, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(h);
  return bytes;
}

bool write_file(const std::string& path, const std::string& bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(h);
  return ok;
}

std::string data_file(const std::string& name) {
  return windows_path(BVRANK_TEST_DATA) + "\\" + name;
}

std::string first_lines(const std::string& text, int count) {
  std::size_t end = 0;
  for (int i = 0; i < count && end < text.size(); ++i) {
    const std::size_t nl = text.find('\n', end);
    end = nl == std::string::npos ? text.size() : nl + 1;
  }
  return text.substr(0, end);
}

std::string replace_first_line(const std::string& text, const std::string& line) {
  const std::size_t end = text.find_first_of("\r\n");
  if (end == std::string::npos) return line;
  return line + text.substr(end);
}

bool make_directories(const std::string& path) {
  if (is_directory(path)) return true;
  const std::size_t slash = path.find_last_of('\\');
  if (slash != std::string::npos && slash > 2 && !make_directories(path.substr(0, slash)))
    return false;
  return CreateDirectoryA(path.c_str(), nullptr) || is_directory(path);
}

bool wait_closed(const std::string& path, int timeout_ms) {
  return wait_until(
      [&] {
        HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return false;
        CloseHandle(h);
        return true;
      },
      timeout_ms);
}

// ---- Windows ----

std::string window_text(HWND hwnd) {
  char text[4096] = {};
  SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, kPatience, nullptr);
  return text;
}

std::string class_name(HWND hwnd) {
  char name[256] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

HWND owner_of(HWND hwnd) {
  return GetWindow(hwnd, GW_OWNER);
}

namespace {

struct WindowQuery {
  DWORD pid;
  std::function<bool(HWND)> wanted;
  std::vector<HWND> found;
};

BOOL CALLBACK collect_window(HWND hwnd, LPARAM param) {
  auto* q = reinterpret_cast<WindowQuery*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == q->pid && q->wanted(hwnd)) q->found.push_back(hwnd);
  return TRUE;
}

std::vector<HWND> top_windows(DWORD pid, const std::function<bool(HWND)>& wanted) {
  WindowQuery q{pid, wanted, {}};
  EnumWindows(collect_window, reinterpret_cast<LPARAM>(&q));
  return q.found;
}

HWND wait_for_top_window(DWORD pid, const std::function<bool(HWND)>& wanted, int timeout_ms) {
  HWND found = nullptr;
  wait_until(
      [&] {
        const std::vector<HWND> all = top_windows(pid, wanted);
        found = all.empty() ? nullptr : all.front();
        return found != nullptr;
      },
      timeout_ms);
  return found;
}

bool is_dialog(HWND hwnd) {
  return class_name(hwnd) == "#32770";
}

// The file-name field of the explorer-style Open and Save dialogs.
constexpr int kFileNameComboId = 0x47c;
constexpr int kFileTypeComboId = 0x470;
constexpr int kFolderComboId = 0x471;
constexpr int kMessageTextId = 0xFFFF;

bool is_message_box(HWND hwnd) {
  if (!is_dialog(hwnd) || !IsWindowVisible(hwnd)) return false;
  HWND text = GetDlgItem(hwnd, kMessageTextId);
  return text != nullptr && class_name(text) == "Static" &&
         GetDlgItem(hwnd, kFileNameComboId) == nullptr;
}

HWND file_name_edit(HWND dialog) {
  HWND field = GetDlgItem(dialog, kFileNameComboId);
  if (field == nullptr) return nullptr;
  const std::string cls = class_name(field);
  if (cls == "Edit") return field;
  if (cls == "ComboBoxEx32") {
    DWORD_PTR edit = 0;
    SendMessageTimeoutA(field, CBEM_GETEDITCONTROL, 0, 0, SMTO_ABORTIFHUNG, kPatience, &edit);
    if (edit != 0) return reinterpret_cast<HWND>(edit);
  }
  return FindWindowExA(field, nullptr, "Edit", nullptr);
}

}  // namespace

HWND wait_for_window(DWORD pid, const char* class_name_wanted, const char* title, int timeout_ms) {
  return wait_for_top_window(
      pid,
      [&](HWND hwnd) {
        if (!IsWindowVisible(hwnd)) return false;
        if (class_name_wanted != nullptr && class_name(hwnd) != class_name_wanted) return false;
        return title == nullptr || window_text(hwnd) == title;
      },
      timeout_ms);
}

std::vector<HWND> dialogs_of(DWORD pid) {
  return top_windows(pid, is_dialog);
}

HWND wait_for_dialog(DWORD pid, const std::string& title, int timeout_ms) {
  return wait_for_top_window(
      pid,
      [&](HWND hwnd) {
        return is_dialog(hwnd) && IsWindowVisible(hwnd) && window_text(hwnd) == title;
      },
      timeout_ms);
}

HWND wait_for_any_dialog(DWORD pid, int timeout_ms) {
  return wait_for_top_window(
      pid, [](HWND hwnd) { return is_dialog(hwnd) && IsWindowVisible(hwnd); }, timeout_ms);
}

HWND wait_for_message_box(DWORD pid, int timeout_ms) {
  return wait_for_top_window(pid, is_message_box, timeout_ms);
}

bool wait_gone(HWND hwnd, int timeout_ms) {
  return wait_until([&] { return !IsWindow(hwnd); }, timeout_ms);
}

bool sync_with(HWND hwnd, int timeout_ms) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(timeout_ms),
                             &result) != 0;
}

void press(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void press_enter(HWND dialog) {
  HWND target = focus_of(dialog);
  if (target == nullptr || (target != dialog && !IsChild(dialog, target))) target = dialog;
  const LPARAM down = 0x001C0001;  // scan code of Enter, repeat count 1
  PostMessageA(target, WM_KEYDOWN, VK_RETURN, down);
  PostMessageA(target, WM_KEYUP, VK_RETURN, down | 0xC0000000);
}

void type_char(HWND window, char c) {
  PostMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
}

std::string file_name_field(HWND dialog) {
  HWND edit = file_name_edit(dialog);
  return edit == nullptr ? std::string() : window_text(edit);
}

void set_file_name_field(HWND dialog, const std::string& text) {
  HWND edit = file_name_edit(dialog);
  if (edit == nullptr) return;
  SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                      kPatience, nullptr);
}

std::string file_type_field(HWND dialog) {
  HWND combo = GetDlgItem(dialog, kFileTypeComboId);
  return combo == nullptr ? std::string() : window_text(combo);
}

bool choose_file(HWND dialog, const std::string& path) {
  set_file_name_field(dialog, path);
  if (file_name_field(dialog) != path) return false;
  press(dialog, IDOK);
  return wait_gone(dialog, kPatience);
}

std::string file_dialog_folder(HWND dialog) {
  HWND combo = GetDlgItem(dialog, kFolderComboId);
  return combo == nullptr ? std::string() : window_text(combo);
}

HWND focus_of(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

std::string message_box_text(HWND box) {
  HWND text = GetDlgItem(box, kMessageTextId);
  return text == nullptr ? std::string() : window_text(text);
}

int button_with_default_style(HWND box) {
  for (HWND c = GetWindow(box, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    if (class_name(c) != "Button") continue;
    if ((GetWindowLongA(c, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON) return GetDlgCtrlID(c);
  }
  return 0;
}

// ---- Clipboard ----

std::string clipboard_text() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE block = GetClipboardData(CF_TEXT)) {
    if (const auto* data = static_cast<const char*>(GlobalLock(block))) {
      text.assign(data, strnlen(data, GlobalSize(block)));
      GlobalUnlock(block);
    }
  }
  CloseClipboard();
  return text;
}

bool set_clipboard_text(const std::string& text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (block == nullptr) return false;
  std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  if (!OpenClipboard(nullptr)) {
    GlobalFree(block);
    return false;
  }
  EmptyClipboard();
  const bool set = SetClipboardData(CF_TEXT, block) != nullptr;
  if (!set) GlobalFree(block);
  CloseClipboard();
  return set;
}

// ---- Frame ----

void post_command(HWND frame, int command) {
  PostMessageA(frame, WM_COMMAND, command, 0);
}

bool send_command(HWND frame, int command, int timeout_ms) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(frame, WM_COMMAND, command, 0, SMTO_NORMAL,
                             static_cast<UINT>(timeout_ms), &result) != 0;
}

HWND status_bar(HWND frame) {
  return GetDlgItem(frame, 90);
}

std::string status_word(HWND frame) {
  HWND bar = status_bar(frame);
  HWND pane = bar == nullptr ? nullptr : FindWindowExA(bar, nullptr, "Static", nullptr);
  return pane == nullptr ? std::string() : window_text(pane);
}

std::string status_message(HWND frame) {
  HWND bar = status_bar(frame);
  HWND state = bar == nullptr ? nullptr : FindWindowExA(bar, nullptr, "Static", nullptr);
  HWND pane = state == nullptr ? nullptr : FindWindowExA(bar, state, "Static", nullptr);
  return pane == nullptr ? std::string() : window_text(pane);
}

HWND mdi_client(HWND frame) {
  return FindWindowExA(frame, nullptr, "MDIClient", nullptr);
}

std::vector<HWND> child_windows(HWND frame) {
  std::vector<HWND> children;
  HWND client = mdi_client(frame);
  if (client == nullptr) return children;
  for (HWND c = GetWindow(client, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    if (class_name(c) == "bvrankGraphic") children.push_back(c);
  }
  return children;
}

namespace {

// The part of the client area of `hwnd` that its ancestors do not clip
// away, in screen coordinates.
RECT visible_client_area(HWND hwnd) {
  RECT area = {};
  if (!GetClientRect(hwnd, &area)) return RECT{};
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&area), 2);
  for (HWND up = GetParent(hwnd); up != nullptr; up = GetParent(up)) {
    RECT client;
    GetClientRect(up, &client);
    MapWindowPoints(up, nullptr, reinterpret_cast<POINT*>(&client), 2);
    IntersectRect(&area, &area, &client);
    if ((GetWindowLongA(up, GWL_STYLE) & WS_CHILD) == 0) break;
  }
  return area;
}

// True when a visible top-level window above `top` covers part of `area`.
bool obscured(HWND top, const RECT& area) {
  for (HWND w = GetWindow(top, GW_HWNDPREV); w != nullptr; w = GetWindow(w, GW_HWNDPREV)) {
    RECT r;
    RECT common;
    if (IsWindowVisible(w) && GetWindowRect(w, &r) && IntersectRect(&common, &r, &area))
      return true;
  }
  return false;
}

std::vector<unsigned> capture_screen(const RECT& area) {
  const int w = area.right - area.left;
  const int h = area.bottom - area.top;
  if (w <= 0 || h <= 0) return {};
  HDC screen = GetDC(nullptr);
  std::vector<unsigned> pixels = pixels_of(screen, area.left, area.top, w, h);
  ReleaseDC(nullptr, screen);
  return pixels;
}

}  // namespace

std::vector<unsigned> pixels_of(HDC dc, int x, int y, int w, int h) {
  if (w <= 0 || h <= 0) return {};
  HDC memory = CreateCompatibleDC(dc);
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::vector<unsigned> pixels;
  if (bitmap != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (BitBlt(memory, 0, 0, w, h, dc, x, y, SRCCOPY)) {
      GdiFlush();
      const auto* p = static_cast<const unsigned*>(bits);
      pixels.assign(p, p + static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
      for (unsigned& v : pixels) v &= 0x00FFFFFF;
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  return pixels;
}

std::vector<unsigned> client_pixels(HWND hwnd) {
  // Another program's window may lie over this one (the desktop is shared):
  // bring the frame up, let it repaint, and take the picture once two in a
  // row agree with nothing in front.
  HWND top = GetAncestor(hwnd, GA_ROOT);
  std::vector<unsigned> last;
  std::vector<unsigned> steady;
  wait_until(
      [&] {
        const RECT area = visible_client_area(hwnd);
        if (obscured(top, area)) {
          SetWindowPos(top, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
          RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
          last.clear();
          return false;
        }
        std::vector<unsigned> now = capture_screen(area);
        if (!now.empty() && now == last && !obscured(top, area)) {
          steady = std::move(now);
          return true;
        }
        last = std::move(now);
        return false;
      },
      kPatience);
  return steady;
}

// ---- Session ----

Session::Session() : process_(BVRANK_EXE, "", dir_.path()) {
  if (!process_.started() || dir_.path().empty()) return;
  frame_ = wait_for_window(process_.id(), "bvrankFRAME", nullptr, kPatience);
  if (frame_ == nullptr) return;
  // A message box instead (a start-up failure) ends the wait at once.
  HWND first = wait_for_top_window(
      process_.id(),
      [](HWND hwnd) {
        return is_message_box(hwnd) ||
               (is_dialog(hwnd) && IsWindowVisible(hwnd) && window_text(hwnd) == "Open Input File");
      },
      kPatience);
  if (first != nullptr && !is_message_box(first)) {
    first_dialog_ = first;
    program_thread_ = GetWindowThreadProcessId(first, nullptr);
  }
}

std::string Session::describe() {
  if (dir_.path().empty()) return "no temporary directory could be made";
  if (!process_.started())
    return "the program could not be started (error " + std::to_string(process_.start_error()) +
           ")";
  std::string out = "process " + std::string(process_.running() ? "running" : "ended");
  if (!process_.running()) out += " with exit code " + std::to_string(process_.wait_exit(0));
  out += "; frame " + std::string(frame_ == nullptr ? "not found" : "found");
  const std::vector<HWND> windows = top_windows(pid(), [](HWND) { return true; });
  for (HWND w : windows) {
    out += "; window \"" + class_name(w) + "\" \"" + window_text(w) + "\"" +
           (IsWindowVisible(w) ? " visible" : " hidden") + (IsWindowEnabled(w) ? "" : " disabled");
    if (is_message_box(w)) out += " saying \"" + message_box_text(w) + "\"";
  }
  return out;
}

std::string Session::copy_data(const std::string& name, const std::string& as) {
  const std::string target = dir_.file(as.empty() ? name : as);
  // A copy of the bytes, not of the file: the data files are read-only.
  write_file(target, read_file(data_file(name)));
  return target;
}

bool Session::cancel_first_dialog() {
  if (first_dialog_ == nullptr) return false;
  press(first_dialog_, IDCANCEL);
  return wait_gone(first_dialog_, kPatience) && wait_program_idle();
}

bool Session::wait_program_idle(int timeout_ms) {
  if (program_thread_ == 0) return false;
  HANDLE thread = OpenThread(THREAD_SET_CONTEXT, FALSE, program_thread_);
  HANDLE idle = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE idle_there = nullptr;
  bool reached = false;
  if (thread != nullptr && idle != nullptr &&
      DuplicateHandle(GetCurrentProcess(), idle, process_.handle(), &idle_there, EVENT_MODIFY_STATE,
                      FALSE, 0)) {
    // SetEvent lies at the same address in every process of the session and
    // takes one pointer-sized argument, as a queued call does.
    const auto set_event = reinterpret_cast<PAPCFUNC>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetEvent")));
    reached = QueueUserAPC(set_event, thread, reinterpret_cast<ULONG_PTR>(idle_there)) != 0 &&
              WaitForSingleObject(idle, static_cast<DWORD>(timeout_ms)) == WAIT_OBJECT_0;
    // A call still queued would later signal whatever then holds the handle
    // value: the handle there is closed only once the call has run.
    if (reached) {
      DuplicateHandle(process_.handle(), idle_there, nullptr, nullptr, 0, FALSE,
                      DUPLICATE_CLOSE_SOURCE);
    }
  }
  if (idle != nullptr) CloseHandle(idle);
  if (thread != nullptr) CloseHandle(thread);
  return reached;
}

HWND Session::dialog_from_menu(int command, const std::string& title) {
  post_command(frame_, command);
  return wait_for_dialog(pid(), title, kPatience);
}

HWND Session::open_dialog_from_menu() {
  return dialog_from_menu(kCmdOpenInput, "Open Input File");
}

bool Session::open_from_menu(const std::string& path) {
  HWND dialog = open_dialog_from_menu();
  if (dialog == nullptr || !choose_file(dialog, path)) return false;
  return sync_with(frame_);
}

}  // namespace driver
