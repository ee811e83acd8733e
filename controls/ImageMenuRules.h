// The rules of the image menu that need no system: the version code of the
// running system, the Windows-Classic theme test, the walk of a menu
// template and of a toolbar template, and the mnemonic search.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// 0 a 9x system below major version 4; 1 any other NT system (also an
// unknown one, and every version after 5.1); 2 Windows 95 and other 4.x 9x
// versions; 3 Windows 98 (4.10); 4 Windows ME (4.90); 5 NT 4; 6 Windows 2000
// (5.0); 7 Windows XP (5.1).
int MenuVersionCode(bool ntFamily, int major, int minor);

// Whether the current-theme value names the Windows Classic theme: it ends,
// without regard to case, in "Windows Classic.theme". The value is read from
// at most `size` bytes and need not be terminated; a value that fills them
// all is too long and is not classic.
bool IsClassicThemeValue(const char* value, size_t size);

// Menu flags of a template item.
constexpr uint16_t kMenuPopup = 0x10;
constexpr uint16_t kMenuEnd = 0x80;

struct MenuTemplateItem {
  uint16_t flags = 0;  // MF_END taken out
  uint16_t id = 0;     // 0 for a popup
  std::u16string text;
  std::vector<MenuTemplateItem> children;  // a popup's items
};

// Walks a standard menu template (header: version 0, offset to the items);
// false when it is cut short or of another version. A popup that ends its
// level carries MF_END for that level too.
bool ParseMenuTemplate(const uint8_t* data, size_t size, std::vector<MenuTemplateItem>& items);

// A toolbar resource (type 241): version 1, the image width and height, and
// the command id of each button in order, 0 for a separator.
constexpr uint16_t kToolbarResourceType = 241;
struct ToolbarTemplate {
  uint16_t imageWidth = 0;
  uint16_t imageHeight = 0;
  std::vector<uint16_t> ids;
};
// False when the template is cut short or of another version.
bool ParseToolbarTemplate(const uint8_t* data, size_t size, ToolbarTemplate& toolbar);

// The first position whose lower-cased text holds "&" and the typed
// character in lower case; -1 when none does.
int FindMnemonic(const std::vector<std::u16string>& texts, char16_t typed);
