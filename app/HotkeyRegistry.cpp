#include "app/HotkeyRegistry.h"

#include <map>

#include "app/HotkeyId.h"

void HotkeyRegistry::Sync(const std::vector<std::string>& texts) {
  std::map<int, HotkeyKey> wanted;
  for (const std::string& text : texts) {
    HotkeyKey hotkey = HotkeyTextToId(text);
    if (hotkey.id) wanted[hotkey.id] = hotkey;
  }
  for (auto it = registered_.begin(); it != registered_.end();) {
    if (wanted.count(*it)) {
      ++it;
      continue;
    }
    UnregisterHotKey(window_, *it);
    it = registered_.erase(it);
  }
  for (const auto& [id, hotkey] : wanted) {
    if (registered_.count(id)) continue;
    if (RegisterHotKey(window_, id, hotkey.modifiers, hotkey.key)) registered_.insert(id);
  }
}

void HotkeyRegistry::UnregisterAll() {
  for (int id : registered_) UnregisterHotKey(window_, id);
  registered_.clear();
}
