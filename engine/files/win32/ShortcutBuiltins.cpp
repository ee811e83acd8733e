// FILECREATESHORTCUT and FILEGETSHORTCUT over the shell's link object.
#include <windows.h>
#include <commctrl.h>
#include <objidl.h>
#include <shlobj.h>

#include <string>

#include "engine/language/BuiltinTable.h"
#include "engine/language/MerlaneScript.h"
#include "engine/files/PathNames.h"
#include "engine/scripting/ResultArray.h"
#include "engine/files/win32/FileBuiltins.h"
#include "engine/files/win32/FileOperations.h"

namespace {

std::wstring Wide(const std::string& text) {
  int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  wide.resize(static_cast<size_t>(length - 1));
  return wide;
}

// A shell link object with its file interface, COM initialised for as long
// as it lives.
class ShellLink {
 public:
  ShellLink() {
    initialised_ = SUCCEEDED(CoInitialize(nullptr));
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link_)))) {
      link_ = nullptr;
      return;
    }
    if (FAILED(link_->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file_)))) file_ = nullptr;
  }
  ~ShellLink() {
    if (file_) file_->Release();
    if (link_) link_->Release();
    if (initialised_) CoUninitialize();
  }
  ShellLink(const ShellLink&) = delete;
  ShellLink& operator=(const ShellLink&) = delete;

  bool Ready() const { return link_ && file_; }
  IShellLinkA* operator->() const { return link_; }
  bool Save(const std::string& path) { return SUCCEEDED(file_->Save(Wide(path).c_str(), TRUE)); }
  bool Load(const std::string& path) { return SUCCEEDED(file_->Load(Wide(path).c_str(), STGM_READ)); }

 private:
  bool initialised_ = false;
  IShellLinkA* link_ = nullptr;
  IPersistFile* file_ = nullptr;
};

// The full path of the link file (".lnk" added when missing).
std::string LinkPath(const ScriptValue& link) {
  std::string path = WithLinkExtension(link.GetText());
  std::string full = GetFullPath(path);
  return full.empty() ? path : full;
}

int FnFileCreateShortcut(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  result.SetInt(0);
  ShellLink link;
  if (!link.Ready()) return 0;
  const int count = args.Count();
  link->SetPath(args.GetAt(0).GetText());
  if (count > 2) link->SetWorkingDirectory(args.GetAt(2).GetText());
  if (count > 3) link->SetArguments(args.GetAt(3).GetText());
  if (count > 4) link->SetDescription(args.GetAt(4).GetText());
  if (count > 5) link->SetIconLocation(args.GetAt(5).GetText(), 0);
  if (count > 6 && args.GetAt(6).IsTrue()) {
    int vk = 0;
    bool shift = false, ctrl = false, alt = false, win = false;
    if (engine.keySender.ParseKey(args.GetAt(6).GetText(), vk, shift, ctrl, alt, win)) {
      BYTE modifiers = HOTKEYF_CONTROL | HOTKEYF_ALT | (shift ? HOTKEYF_SHIFT : 0);
      link->SetHotkey(MAKEWORD(static_cast<BYTE>(vk), modifiers));
    }
  }
  if (count > 7) link->SetIconLocation(args.GetAt(5).GetText(), args.GetAt(7).GetInt());
  if (count > 8) link->SetShowCmd(args.GetAt(8).GetInt());
  result.SetInt(link.Save(LinkPath(args.GetAt(1))) ? 1 : 0);
  return 0;
}

int FnFileGetShortcut(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  engine.SetErrorValue(1);
  std::string path = LinkPath(args.GetAt(0));
  if (!FileExists(path)) return 0;
  ShellLink link;
  if (!link.Ready() || !link.Load(path)) return 0;
  char texts[5][MAX_PATH] = {};
  int icon = 0;
  int show = 0;
  link->GetPath(texts[0], MAX_PATH, nullptr, SLGP_UNCPRIORITY);
  link->GetWorkingDirectory(texts[1], MAX_PATH);
  link->GetArguments(texts[2], MAX_PATH);
  link->GetDescription(texts[3], MAX_PATH);
  link->GetIconLocation(texts[4], MAX_PATH, &icon);
  link->GetShowCmd(&show);
  MakeResultArray(result, 7);
  for (int i = 0; i < 5; ++i) ResultElement(result, i)->SetText(texts[i]);
  ResultElement(result, 5)->SetInt(icon);
  ResultElement(result, 6)->SetInt(show);
  engine.SetErrorValue(0);
  return 0;
}

}  // namespace

void BindShortcutBuiltins() {
  BindBuiltin("FILECREATESHORTCUT", &FnFileCreateShortcut);
  BindBuiltin("FILEGETSHORTCUT", &FnFileGetShortcut);
}
