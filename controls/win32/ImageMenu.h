// An owner-drawn menu whose items carry small images beside their text,
// drawn in a classic raised look or a flat look with a light image column.
// The icon button keeps one as its drop-down menu.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

// One item of an image menu.
struct CImageMenuData {
  std::wstring text;
  int imageIndex = -1;
  int xpImageIndex = -1;
  int unused = 0;
  int secondIndex = -1;
  UINT flags = 0;
  UINT_PTR id = 0;  // command id, or the popup's handle
  bool taken = false;
  HIMAGELIST imageList = nullptr;
  int spare = 0;
};

class CImageMenu {
 public:
  CImageMenu();
  virtual ~CImageMenu();
  CImageMenu(const CImageMenu&) = delete;
  CImageMenu& operator=(const CImageMenu&) = delete;

  HMENU Handle() const { return menu_; }

  virtual void DrawItem(const DRAWITEMSTRUCT& draw);
  virtual void MeasureItem(MEASUREITEMSTRUCT& measure);
  // Builds the menu from a menu resource; false when it is missing or cannot
  // be read.
  virtual bool LoadMenu(const char* name);
  virtual bool LoadMenu(int id) { return LoadMenu(MAKEINTRESOURCEA(id)); }
  // Frees every item, submenu and owned image list, then the menu.
  virtual bool DestroyMenu();

  // Appends an owner-drawn item (id 0: a separator; MF_POPUP: `id` is the
  // popup's handle). A negative image index takes the image the id got from
  // an earlier import; another names a toolbar resource (and its bitmap of
  // the same id) whose button for `id` gives the image.
  bool AppendODMenu(const std::wstring& text, UINT flags, UINT_PTR id, int imageIndex = -1);
  bool ModifyODMenu(int position, const std::wstring& text, UINT flags, UINT_PTR id);
  // The text of an item found by command id (through submenus) or position.
  bool GetMenuText(UINT idOrPosition, std::wstring& text, bool byPosition) const;
  // Depth-first by command id: the menu holding it and its position, or
  // null and -1.
  CImageMenu* FindItemById(UINT id, int& position);
  int ItemCount() const { return static_cast<int>(items_.size()); }
  const CImageMenuData* Item(int position) const;
  // The popup of a position, or null.
  CImageMenu* SubMenu(int position);

  static bool IsImageMenu(HMENU menu);
  // WM_MENUCHAR of a popup image menu: MAKELRESULT(position, MNC_EXECUTE)
  // of the first item whose text holds "&" and the character; else 0.
  static LRESULT FindKeyboardShortcut(HMENU menu, char16_t typed);
  // Fills the rectangle with a system colour and paints the bitmap embossed,
  // as the images of disabled items look.
  static void DrawDisabledBitmap(HDC dc, int x, int y, int width, int height, HBITMAP bitmap,
                                 int sourceX, int sourceY, int backgroundColourIndex);
  // A 16-colour bitmap resource with its system colours mapped; null for any
  // other colour count.
  static HBITMAP LoadSysColorBitmap(HINSTANCE instance, const char* name);

  // The version code of the running system (0..7).
  static int VersionCode();
  // Whether the flat look applies on this system.
  static bool UsesFlatLook();

 private:
  CImageMenu(int inheritedA, int inheritedB, HIMAGELIST sharedList);
  void FreeContent();
  bool AppendTemplateItems(const std::vector<struct MenuTemplateItem>& items);
  void DrawClassic(HDC dc, const RECT& rect, const CImageMenuData& item, UINT state);
  void DrawFlat(HDC dc, const RECT& rect, const CImageMenuData& item, UINT state);
  void DrawCheck(HDC dc, const RECT& square, bool radio, COLORREF colour);
  void DrawImage(HDC dc, int image, int x, int y, bool disabled, int backgroundColourIndex);
  int ImageOf(const CImageMenuData& item) const;
  // The image of command `id` in toolbar resource `toolbarId`, put into the
  // shared image list; its index there, or -1 when it cannot be had.
  int ImportToolbarImage(int toolbarId, UINT_PTR id);

  HMENU menu_ = nullptr;
  std::vector<CImageMenuData*> items_;
  std::vector<HMENU> popupHandles_;
  std::vector<CImageMenu*> subMenus_;
  int imageWidth_ = 16;
  int imageHeight_ = 15;
  COLORREF bitmapBackground_ = RGB(192, 192, 192);
  int useBitmapBackground_ = 0;
  int loadSysColorBitmaps_ = 0;
  HIMAGELIST imageList_ = nullptr;
  bool imageListNotOwned_ = false;
  int inheritedA_ = -1;
  int inheritedB_ = -1;
  int rebuildMnemonics_ = 0;
  // Item texts for the mnemonic search, read again when the count changes.
  std::vector<std::u16string> mnemonicTexts_;

};

// An off-screen DC over an item's rectangle, copied back when it goes; a
// printing target is drawn on directly.
class CImageMenuMemDC {
 public:
  CImageMenuMemDC(HDC target, const RECT& rect);
  ~CImageMenuMemDC();
  CImageMenuMemDC(const CImageMenuMemDC&) = delete;
  CImageMenuMemDC& operator=(const CImageMenuMemDC&) = delete;

  HDC Dc() const { return dc_; }
  HBITMAP Bitmap() const { return bitmap_; }

 private:
  HDC dc_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  HDC target_;
  RECT rect_;
  bool memory_;
};
