// Drives bvrank.exe as a person would, through Win32 automation: start it
// in a job object (so it never outlives the test), wait for its windows by
// class or title with bounded waits, read and answer its dialogs and message
// boxes, read its menus and status bar, and end it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace driver {

// How long a test waits for something that should happen at once: long
// enough for a slow machine, short enough that a hang fails the test. It is
// the one bound of every wait and every message to the program; no test
// waits a fixed time, nor checks that nothing happens "within a while":
// it waits for the program thread or the GUI thread to finish what could
// have shown something (Session::wait_program_idle, sync_with, a command
// sent with send_command) and then looks.
constexpr int kPatience = 10000;

// A Linux path as Wine's Z: drive sees it; Windows paths pass unchanged.
std::string windows_path(const std::string& path);

// Calls `done` every few milliseconds until it is true or `timeout_ms` has
// passed; the last result. For states another process reaches in its own
// time, where there is no window, event or file to wait on.
bool wait_until(const std::function<bool()>& done, int timeout_ms);

class Process {
 public:
  // Starts `exe` with `arguments` in `directory` (empty: the current one).
  Process(const std::string& exe, const std::string& arguments, const std::string& directory);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool started() const { return process_ != nullptr; }
  // Why the process could not be started (the system's error code), else 0.
  DWORD start_error() const { return start_error_; }
  DWORD id() const { return id_; }
  HANDLE handle() const { return process_; }
  // Waits up to `timeout_ms` for the process to end; its exit code, or
  // STILL_ACTIVE when it did not end in time.
  DWORD wait_exit(int timeout_ms);
  bool running() const;

 private:
  HANDLE job_ = nullptr;
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
  DWORD start_error_ = 0;
};

// The ids of the threads process `pid` has now.
std::vector<DWORD> thread_ids(DWORD pid);
// Waits until every thread of process `pid` that is not in `before` has
// ended: a command that starts a short-lived thread (Pause does) is
// finished only once that thread is. False when one did not end in time.
bool wait_new_threads_ended(DWORD pid, const std::vector<DWORD>& before, int timeout_ms);

// ---- Files (Windows paths) ----

// A fresh directory, removed with everything in it afterwards. Under Wine it
// lies on the Z: drive (the Linux /tmp), as a person's data would.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

bool file_exists(const std::string& path);
// The file's bytes; empty when it cannot be read.
std::string read_file(const std::string& path);
bool write_file(const std::string& path, const std::string& bytes);
// A file of the test data directory, by name.
std::string data_file(const std::string& name);
// The first `count` lines of `text` (line ends kept).
std::string first_lines(const std::string& text, int count);
// `text` with its first line (up to the line end) replaced by `line`.
std::string replace_first_line(const std::string& text, const std::string& line);
// Creates every missing directory of `path`.
bool make_directories(const std::string& path);
// Waits until no process holds `path` open (it can be opened unshared).
bool wait_closed(const std::string& path, int timeout_ms);

// ---- Windows ----

std::string window_text(HWND hwnd);
std::string class_name(HWND hwnd);
HWND owner_of(HWND hwnd);

// A visible top-level window of process `pid` with the given class (and
// title, when not null), waited for up to `timeout_ms`; null when none came.
HWND wait_for_window(DWORD pid, const char* class_name, const char* title, int timeout_ms);

// Every top-level window of process `pid` of the dialog class, visible or not.
std::vector<HWND> dialogs_of(DWORD pid);
// A visible dialog (Open, Save) of process `pid` with this title.
HWND wait_for_dialog(DWORD pid, const std::string& title, int timeout_ms);
// Any visible dialog or message box of process `pid`.
HWND wait_for_any_dialog(DWORD pid, int timeout_ms);
// A visible message box of process `pid`: a dialog with the box's text
// control and without a file-name field.
HWND wait_for_message_box(DWORD pid, int timeout_ms);
// Waits until `hwnd` is destroyed.
bool wait_gone(HWND hwnd, int timeout_ms);

// Returns once the thread of `hwnd` is idle or in a modal loop (it serves a
// sent message only there); false when it did not answer in time. A thread
// serves sent messages before posted ones, so this does not wait for posted
// messages: use it after a dialog closed, to let the command that showed it
// finish.
bool sync_with(HWND hwnd, int timeout_ms = kPatience);

// Presses the button `id` of a dialog or message box as a click would.
void press(HWND dialog, int id);
// The window that has the keyboard focus in the thread of `window`.
HWND focus_of(HWND window);
// Presses Enter in a dialog: the key goes to the control that has the focus.
void press_enter(HWND dialog);
// Types into `window` the character a key press gives once translated
// (Ctrl+S gives 0x13, Escape 0x1B), as the keyboard delivers it.
void type_char(HWND window, char c);

// The file-name field of an Open or Save dialog.
std::string file_name_field(HWND dialog);
void set_file_name_field(HWND dialog, const std::string& text);
// The text of the file-type list of an Open or Save dialog.
std::string file_type_field(HWND dialog);
// The folder an Open or Save dialog shows (its last path component).
std::string file_dialog_folder(HWND dialog);
// Types `path` into the dialog's file-name field and presses OK; true when
// the dialog then closed.
bool choose_file(HWND dialog, const std::string& path);

// The text of a message box.
std::string message_box_text(HWND box);
// The id of the button with the BS_DEFPUSHBUTTON style, 0 when none. (Wine's
// message boxes answer DM_GETDEFID with IDOK whatever their default button
// is, so the style and the focus are what show the default.)
int button_with_default_style(HWND box);

// ---- Frame ----

// Posts a menu command to the frame, as choosing the item does.
void post_command(HWND frame, int command);
// Hands a menu command to the frame and returns once it was carried out (or
// reached a modal loop); for commands that show no dialog. False when the
// frame did not answer in time.
bool send_command(HWND frame, int command, int timeout_ms = kPatience);

// One entry of the frame's menu bar (level 0) or an item of the entry
// before it (level 1), as the frame's process sees it.
struct MenuItem {
  int level = 0;
  unsigned id = 0;
  unsigned state = 0;  // MFS_GRAYED, MFS_CHECKED, ...
  unsigned type = 0;   // MFT_SEPARATOR, ...
  std::string text;
};
// The frame's menu bar and its menus, read inside bvrank.exe by the menu
// probe library; empty when that failed.
std::vector<MenuItem> read_menus(HWND frame);
// The texts of the menu bar's entries.
std::vector<std::string> menu_bar(HWND frame);
// The state (MFS_GRAYED, ...) of the item with command `command`; -1 when
// there is no such item.
int menu_item_state(HWND frame, int command);
// The item with command `command` is there and grey.
bool menu_item_greyed(HWND frame, int command);

// The status bar (frame child with id 90), the state word and the message
// it shows.
HWND status_bar(HWND frame);
std::string status_word(HWND frame);
std::string status_message(HWND frame);
HWND mdi_client(HWND frame);
// The MDI child windows of the frame, in z-order.
std::vector<HWND> child_windows(HWND frame);

// The pixels of `dc` in a w x h rectangle from (x, y), row by row, as
// 0x00RRGGBB values; empty when they cannot be copied.
std::vector<unsigned> pixels_of(HDC dc, int x, int y, int w, int h);

// The colours of the client area of `hwnd` (as far as its parents show it)
// on the screen, as 0x00RRGGBB values; the frame is brought to the front
// first if needed. Empty when no steady picture could be taken.
std::vector<unsigned> client_pixels(HWND hwnd);

// ---- Clipboard ----

// The clipboard's text, up to its zero byte; empty when there is none.
std::string clipboard_text();
// Puts `text` on the clipboard as CF_TEXT; false when that failed.
bool set_clipboard_text(const std::string& text);

// ---- One run of bvrank.exe ----

// bvrank.exe started in a fresh temporary directory, its frame found and its
// first Open dialog waited for. Stops the process at the end.
class Session {
 public:
  Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // True when the frame and the first Open dialog appeared.
  bool ready() const { return frame_ != nullptr && first_dialog_ != nullptr; }
  // What was found of the process and its windows, for a failure message.
  std::string describe();
  Process& process() { return process_; }
  DWORD pid() const { return process_.id(); }
  HWND frame() const { return frame_; }
  HWND first_dialog() const { return first_dialog_; }
  const TempDir& dir() const { return dir_; }
  std::string file(const std::string& name) const { return dir_.file(name); }
  // Copies a test data file into the directory; its path there.
  std::string copy_data(const std::string& name, const std::string& as = "");

  // Cancels the first Open dialog and waits until the program thread idles.
  bool cancel_first_dialog();
  // Waits until the program thread has finished the first analysis (or the
  // cancelled first dialog) and idles; false when it did not in time. Until
  // then the program ignores its Open and Save commands, so a test waits
  // here before it chooses one after the first dialog. A call queued to the
  // program thread runs only in its idle wait: it signals an event here.
  bool wait_program_idle(int timeout_ms = kPatience);
  // Chooses a menu command once and waits for the dialog `title` it shows;
  // null when none came.
  HWND dialog_from_menu(int command, const std::string& title);
  // Chooses "&Open Input File" and waits for the Open dialog.
  HWND open_dialog_from_menu();
  // Opens `path` through the menu: true when the dialog appeared and
  // closed, and the program then finished the command or shows a message
  // box (whose modal loop answers too).
  bool open_from_menu(const std::string& path);

 private:
  TempDir dir_;
  Process process_;
  HWND frame_ = nullptr;
  HWND first_dialog_ = nullptr;
  DWORD program_thread_ = 0;  // the thread that showed the first dialog
};

// Menu command numbers of bvrank's frame.
constexpr int kCmdExit = 1000;
constexpr int kCmdPause = 1008;
constexpr int kCmdResume = 1009;
constexpr int kCmdStatusBar = 1015;
constexpr int kCmdOpenInput = 1101;
constexpr int kCmdSaveOutput = 1102;

}  // namespace driver
