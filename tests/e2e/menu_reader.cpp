// Reads the frame's menus through the menu probe library: it is loaded into
// bvrank.exe with a remote thread, and its describe_menus runs there as a
// second remote thread, writing into a shared memory block. Every wait is
// bounded, so a hung process fails the test instead of blocking it.
#include <windows.h>
// psapi.h builds on the types of windows.h.
#include <psapi.h>

#include <cstdlib>
#include <cstring>
#include <sstream>

#include "e2e/driver.h"
#include "e2e/menu_probe.h"

namespace driver {
namespace {

constexpr int kThreadWaitMs = kPatience;

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() {
    if (h_ != nullptr && h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr && h_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE h_;
};

std::string probe_path() {
  return windows_path(BVRANK_E2E_MENU_PROBE);
}

std::string base_name(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The probe's load address in `process`, null when it is not loaded there.
HMODULE remote_probe(HANDLE process) {
  HMODULE modules[512];
  DWORD bytes = 0;
  if (!K32EnumProcessModules(process, modules, sizeof modules, &bytes)) return nullptr;
  const std::string wanted = base_name(probe_path());
  for (DWORD i = 0; i < bytes / sizeof(HMODULE); ++i) {
    char name[MAX_PATH] = {};
    if (K32GetModuleBaseNameA(process, modules[i], name, sizeof name) &&
        _stricmp(name, wanted.c_str()) == 0) {
      return modules[i];
    }
  }
  return nullptr;
}

// Runs `start(parameter)` as a thread of `process`; its exit code, or
// STILL_ACTIVE when it could not be started or did not end in time.
DWORD run_remote(HANDLE process, LPTHREAD_START_ROUTINE start, void* parameter) {
  Handle thread(CreateRemoteThread(process, nullptr, 0, start, parameter, 0, nullptr));
  if (!thread || WaitForSingleObject(thread.get(), kThreadWaitMs) != WAIT_OBJECT_0)
    return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  GetExitCodeThread(thread.get(), &code);
  return code;
}

HMODULE load_probe_into(HANDLE process) {
  HMODULE loaded = remote_probe(process);
  if (loaded != nullptr) return loaded;
  const std::string path = probe_path();
  void* remote_text =
      VirtualAllocEx(process, nullptr, path.size() + 1, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (remote_text == nullptr) return nullptr;
  if (WriteProcessMemory(process, remote_text, path.c_str(), path.size() + 1, nullptr)) {
    // kernel32 lies at the same address in every process of the session.
    auto load = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
    run_remote(process, load, remote_text);
  }
  VirtualFreeEx(process, remote_text, 0, MEM_RELEASE);
  return remote_probe(process);
}

std::string run_probe(HWND frame) {
  DWORD pid = 0;
  GetWindowThreadProcessId(frame, &pid);
  if (pid == 0) return {};
  Handle process(OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION |
                                 PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_VM_READ,
                             FALSE, pid));
  if (!process) return {};
  Handle block(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                  static_cast<DWORD>(menu_probe::kBlockSize),
                                  menu_probe::block_name(pid).c_str()));
  if (!block) return {};

  static HMODULE local = LoadLibraryA(probe_path().c_str());
  if (local == nullptr) return {};
  FARPROC local_entry = GetProcAddress(local, "describe_menus");
  HMODULE remote = load_probe_into(process.get());
  if (local_entry == nullptr || remote == nullptr) return {};
  const auto offset =
      reinterpret_cast<const char*>(local_entry) - reinterpret_cast<const char*>(local);
  auto entry = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(reinterpret_cast<char*>(remote) + offset));
  if (run_remote(process.get(), entry, frame) != 0) return {};

  const void* view = MapViewOfFile(block.get(), FILE_MAP_READ, 0, 0, menu_probe::kBlockSize);
  if (view == nullptr) return {};
  std::string text(static_cast<const char*>(view),
                   strnlen(static_cast<const char*>(view), menu_probe::kBlockSize));
  UnmapViewOfFile(view);
  return text;
}

}  // namespace

std::vector<MenuItem> read_menus(HWND frame) {
  std::vector<MenuItem> items;
  std::istringstream in(run_probe(frame));
  std::string line;
  if (!std::getline(in, line) || line.rfind("bar\t", 0) != 0) return items;
  while (std::getline(in, line)) {
    MenuItem item;
    std::istringstream fields(line);
    std::string level, id, state, type;
    std::getline(fields, level, '\t');
    std::getline(fields, id, '\t');
    std::getline(fields, state, '\t');
    std::getline(fields, type, '\t');
    std::getline(fields, item.text);
    item.level = std::atoi(level.c_str());
    item.id = static_cast<unsigned>(std::strtoul(id.c_str(), nullptr, 10));
    item.state = static_cast<unsigned>(std::strtoul(state.c_str(), nullptr, 10));
    item.type = static_cast<unsigned>(std::strtoul(type.c_str(), nullptr, 10));
    items.push_back(item);
  }
  return items;
}

std::vector<std::string> menu_bar(HWND frame) {
  std::vector<std::string> texts;
  for (const MenuItem& m : read_menus(frame)) {
    if (m.level == 0) texts.push_back(m.text);
  }
  return texts;
}

int menu_item_state(HWND frame, int command) {
  for (const MenuItem& m : read_menus(frame)) {
    if (m.level == 1 && m.id == static_cast<unsigned>(command)) return static_cast<int>(m.state);
  }
  return -1;
}

bool menu_item_greyed(HWND frame, int command) {
  const int state = menu_item_state(frame, command);
  return state >= 0 && (state & MFS_GRAYED) != 0;
}

}  // namespace driver
