// The image menu's content: loading from a template, appending, looking up
// and freeing items. Measuring and drawing are in ImageMenuDraw.cpp.
#include "controls/win32/ImageMenu.h"

#include <algorithm>
#include <cstdint>

#include "controls/ImageMenuRules.h"

namespace {

// Every popup handle that belongs to an image menu.
std::vector<HMENU>& ImageMenuPopups() {
  static std::vector<HMENU> popups;
  return popups;
}

// Command ids parallel to the shared image list: image index = position.
std::vector<UINT_PTR>& ImageIds() {
  static std::vector<UINT_PTR> ids;
  return ids;
}

// The one image list of every image menu, made on first use; it lives as
// long as the process.
HIMAGELIST SharedImageList(int width, int height) {
  static HIMAGELIST list = ImageList_Create(width, height, ILC_COLORDDB | ILC_MASK, 1, 1);
  return list;
}

// The image position of a command in a toolbar resource, as a temporary
// toolbar window holding the resource's buttons gives it; -1 when the
// resource is missing or has no such button.
int ToolbarImagePosition(HMODULE module, int toolbarId, UINT_PTR id, ToolbarTemplate& toolbar) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(toolbarId),
                              MAKEINTRESOURCEA(kToolbarResourceType));
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data || !ParseToolbarTemplate(static_cast<const uint8_t*>(data),
                                     SizeofResource(module, found), toolbar)) {
    return -1;
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  HWND bar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                             WS_POPUP | CCS_NOPARENTALIGN | CCS_NORESIZE, 0, 0, 0, 0, nullptr,
                             nullptr, module, nullptr);
  if (!bar) return -1;
  SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  std::vector<TBBUTTON> buttons;
  int image = 0;
  for (uint16_t command : toolbar.ids) {
    TBBUTTON button{};
    button.idCommand = command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = command ? BTNS_BUTTON : BTNS_SEP;
    button.iBitmap = command ? image++ : 0;
    buttons.push_back(button);
  }
  SendMessageA(bar, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  int position = -1;
  LRESULT index = SendMessageA(bar, TB_COMMANDTOINDEX, id, 0);
  TBBUTTON button{};
  if (index >= 0 && SendMessageA(bar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button))) {
    position = button.iBitmap;
  }
  DestroyWindow(bar);
  return position;
}

CPINFO& AnsiCodePage() {
  static CPINFO info{};
  return info;
}

void ForgetPopup(HMENU menu) {
  auto& popups = ImageMenuPopups();
  popups.erase(std::remove(popups.begin(), popups.end(), menu), popups.end());
}

// The image menus by handle, for the mnemonic search of a popup.
std::vector<CImageMenu*>& MenuObjects() {
  static std::vector<CImageMenu*> objects;
  return objects;
}

}  // namespace

CImageMenu::CImageMenu() {
  GetCPInfo(CP_ACP, &AnsiCodePage());
  MenuObjects().push_back(this);
}

CImageMenu::CImageMenu(int inheritedA, int inheritedB, HIMAGELIST sharedList) : CImageMenu() {
  inheritedA_ = inheritedA;
  inheritedB_ = inheritedB;
  imageList_ = sharedList;
  imageListNotOwned_ = true;
}

CImageMenu::~CImageMenu() {
  DestroyMenu();
  auto& objects = MenuObjects();
  objects.erase(std::remove(objects.begin(), objects.end(), this), objects.end());
}

void CImageMenu::FreeContent() {
  for (HMENU popup : popupHandles_) ForgetPopup(popup);
  popupHandles_.clear();
  for (CImageMenu* sub : subMenus_) {
    // The submenu's handle is destroyed with its parent menu.
    sub->menu_ = nullptr;
    delete sub;
  }
  subMenus_.clear();
  for (CImageMenuData* item : items_) delete item;
  items_.clear();
  mnemonicTexts_.clear();
  if (imageList_ && !imageListNotOwned_) ImageList_Destroy(imageList_);
  if (!imageListNotOwned_) imageList_ = nullptr;
}

bool CImageMenu::DestroyMenu() {
  if (menu_) ForgetPopup(menu_);
  FreeContent();
  bool destroyed = menu_ && ::DestroyMenu(menu_);
  menu_ = nullptr;
  return destroyed;
}

bool CImageMenu::LoadMenu(const char* name) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(4) /* RT_MENU */);
  if (!found) return false;
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return false;
  std::vector<MenuTemplateItem> items;
  if (!ParseMenuTemplate(static_cast<const uint8_t*>(data), SizeofResource(module, found),
                         items)) {
    return false;
  }
  DestroyMenu();
  menu_ = CreateMenu();
  if (!menu_) return false;
  return AppendTemplateItems(items);
}

bool CImageMenu::AppendTemplateItems(const std::vector<MenuTemplateItem>& items) {
  for (const MenuTemplateItem& item : items) {
    std::wstring text(item.text.begin(), item.text.end());
    if (item.flags & kMenuPopup) {
      auto* sub = new CImageMenu(inheritedA_, inheritedB_, imageList_);
      sub->menu_ = CreatePopupMenu();
      if (!sub->menu_) {
        delete sub;
        return false;
      }
      subMenus_.push_back(sub);
      if (!AppendODMenu(text, item.flags, reinterpret_cast<UINT_PTR>(sub->menu_))) return false;
      if (!sub->AppendTemplateItems(item.children)) return false;
    } else if (!AppendODMenu(text, item.flags, item.id)) {
      return false;
    }
  }
  return true;
}

bool CImageMenu::AppendODMenu(const std::wstring& text, UINT flags, UINT_PTR id,
                              int imageIndex) {
  if (!menu_) menu_ = CreatePopupMenu();
  if (!menu_) return false;
  flags |= MF_OWNERDRAW;
  if (id == 0) flags = (flags & MF_BYPOSITION) | MF_SEPARATOR | MF_OWNERDRAW;
  if (flags & MF_POPUP) {
    HMENU popup = reinterpret_cast<HMENU>(id);
    ImageMenuPopups().push_back(popup);
    popupHandles_.push_back(popup);
  }
  auto* item = new CImageMenuData;
  item->text = text;
  item->flags = flags;
  item->id = id;
  if (imageIndex < 0) {
    const auto& ids = ImageIds();
    auto at = std::find(ids.begin(), ids.end(), id);
    item->imageIndex = at == ids.end() ? -1 : static_cast<int>(at - ids.begin());
  } else {
    item->imageIndex = ImportToolbarImage(imageIndex, id);
  }
  if (item->imageIndex >= 0 && !imageList_) {
    imageList_ = SharedImageList(imageWidth_, imageHeight_);
    imageListNotOwned_ = true;  // the shared list outlives every menu
  }
  if (!AppendMenuW(menu_, flags, id, reinterpret_cast<LPCWSTR>(item))) {
    delete item;
    return false;
  }
  items_.push_back(item);
  return true;
}

int CImageMenu::ImportToolbarImage(int toolbarId, UINT_PTR id) {
  HMODULE module = GetModuleHandleA(nullptr);
  ToolbarTemplate toolbar;
  int position = ToolbarImagePosition(module, toolbarId, id, toolbar);
  HIMAGELIST shared = SharedImageList(imageWidth_, imageHeight_);
  if (position < 0 || !shared) return -1;
  HBITMAP strip = loadSysColorBitmaps_
                      ? LoadSysColorBitmap(module, MAKEINTRESOURCEA(toolbarId))
                      : static_cast<HBITMAP>(LoadImageA(module, MAKEINTRESOURCEA(toolbarId),
                                                        IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
  if (!strip) return -1;
  // The button's image, cut from the strip to the shared list's size.
  HDC screen = GetDC(nullptr);
  HDC source = CreateCompatibleDC(screen);
  HDC target = CreateCompatibleDC(screen);
  HBITMAP piece = CreateCompatibleBitmap(screen, imageWidth_, imageHeight_);
  int index = -1;
  if (source && target && piece) {
    COLORREF transparent =
        useBitmapBackground_ ? bitmapBackground_ : GetSysColor(COLOR_BTNFACE);
    HGDIOBJ oldSource = SelectObject(source, strip);
    HGDIOBJ oldTarget = SelectObject(target, piece);
    HBRUSH fill = CreateSolidBrush(transparent);
    RECT whole{0, 0, imageWidth_, imageHeight_};
    FillRect(target, &whole, fill);
    DeleteObject(fill);
    BitBlt(target, 0, 0, toolbar.imageWidth, toolbar.imageHeight, source,
           position * toolbar.imageWidth, 0, SRCCOPY);
    SelectObject(source, oldSource);
    SelectObject(target, oldTarget);
    index = ImageList_AddMasked(shared, piece, transparent);
    auto& ids = ImageIds();
    auto at = std::find(ids.begin(), ids.end(), id);
    if (index >= 0 && at != ids.end()) {
      // An id has one image, its newest, at its old place: the list stays
      // parallel to the ids and does not grow.
      int place = static_cast<int>(at - ids.begin());
      ImageList_Copy(shared, place, shared, index, ILCF_MOVE);
      ImageList_Remove(shared, index);
      index = place;
    } else if (index >= 0) {
      ids.push_back(id);
    }
  }
  if (piece) DeleteObject(piece);
  if (target) DeleteDC(target);
  if (source) DeleteDC(source);
  ReleaseDC(nullptr, screen);
  DeleteObject(strip);
  return index;
}

bool CImageMenu::ModifyODMenu(int position, const std::wstring& text, UINT flags, UINT_PTR id) {
  if (position < 0 || position >= ItemCount()) return false;
  auto* item = new CImageMenuData;
  item->text = text;
  item->flags = flags | MF_OWNERDRAW;
  item->id = id;
  if (!ModifyMenuW(menu_, position, item->flags | MF_BYPOSITION, id,
                   reinterpret_cast<LPCWSTR>(item))) {
    delete item;
    return false;
  }
  delete items_[position];
  items_[position] = item;
  return true;
}

const CImageMenuData* CImageMenu::Item(int position) const {
  return position >= 0 && position < ItemCount() ? items_[position] : nullptr;
}

CImageMenu* CImageMenu::SubMenu(int position) {
  const CImageMenuData* item = Item(position);
  if (!item || !(item->flags & MF_POPUP)) return nullptr;
  for (CImageMenu* sub : subMenus_) {
    if (reinterpret_cast<UINT_PTR>(sub->menu_) == item->id) return sub;
  }
  return nullptr;
}

CImageMenu* CImageMenu::FindItemById(UINT id, int& position) {
  for (int i = 0; i < ItemCount(); ++i) {
    if (!(items_[i]->flags & MF_POPUP) && items_[i]->id == id) {
      position = i;
      return this;
    }
    if (CImageMenu* sub = SubMenu(i)) {
      if (CImageMenu* found = sub->FindItemById(id, position)) return found;
    }
  }
  position = -1;
  return nullptr;
}

bool CImageMenu::GetMenuText(UINT idOrPosition, std::wstring& text, bool byPosition) const {
  if (byPosition) {
    const CImageMenuData* item = Item(static_cast<int>(idOrPosition));
    if (!item) return false;
    text = item->text;
    return true;
  }
  int position;
  CImageMenu* menu = const_cast<CImageMenu*>(this)->FindItemById(idOrPosition, position);
  if (!menu) return false;
  text = menu->items_[position]->text;
  return true;
}

bool CImageMenu::IsImageMenu(HMENU menu) {
  const auto& popups = ImageMenuPopups();
  return menu && std::find(popups.begin(), popups.end(), menu) != popups.end();
}

LRESULT CImageMenu::FindKeyboardShortcut(HMENU menu, char16_t typed) {
  if (!IsImageMenu(menu)) return 0;
  for (CImageMenu* object : MenuObjects()) {
    if (object->menu_ != menu) continue;
    if (object->mnemonicTexts_.size() != object->items_.size()) {
      object->mnemonicTexts_.clear();
      for (const CImageMenuData* item : object->items_) {
        object->mnemonicTexts_.emplace_back(item->text.begin(), item->text.end());
      }
    }
    int position = FindMnemonic(object->mnemonicTexts_, typed);
    return position < 0 ? 0 : MAKELRESULT(position, MNC_EXECUTE);
  }
  return 0;
}

HBITMAP CImageMenu::LoadSysColorBitmap(HINSTANCE instance, const char* name) {
  HRSRC found = FindResourceA(instance, name, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
  HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
  auto* header = loaded ? static_cast<const BITMAPINFOHEADER*>(LockResource(loaded)) : nullptr;
  if (!header) return nullptr;
  DWORD colours = header->biClrUsed;
  if (colours == 0) {
    colours = header->biBitCount == 1 ? 2 : header->biBitCount == 4 ? 16
              : header->biBitCount == 8 ? 256 : 0;
  }
  if (colours != 16) return nullptr;
  return CreateMappedBitmap(instance, reinterpret_cast<INT_PTR>(name), 0, nullptr, 0);
}

CImageMenuMemDC::CImageMenuMemDC(HDC target, const RECT& rect)
    : dc_(target), target_(target), rect_(rect),
      memory_(GetDeviceCaps(target, TECHNOLOGY) != DT_RASPRINTER) {
  if (!memory_) return;
  HDC memory = CreateCompatibleDC(target);
  bitmap_ = memory ? CreateCompatibleBitmap(target, rect.right - rect.left,
                                            rect.bottom - rect.top)
                   : nullptr;
  if (!memory || !bitmap_) {
    if (memory) DeleteDC(memory);
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = nullptr;
    memory_ = false;
    return;
  }
  dc_ = memory;
  oldBitmap_ = SelectObject(dc_, bitmap_);
  SetWindowOrgEx(dc_, rect.left, rect.top, nullptr);
}

CImageMenuMemDC::~CImageMenuMemDC() {
  if (!memory_) return;
  BitBlt(target_, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top, dc_,
         rect_.left, rect_.top, SRCCOPY);
  SelectObject(dc_, oldBitmap_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}
