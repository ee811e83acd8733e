// Window base of the program's own framework: an object per window, found
// from its handle, with its messages routed to virtual functions. Messages a
// window gets from its child controls (notifications, owner drawing) are
// first offered to the child's own object ("reflection").
#pragma once

#include <windows.h>

namespace ui {

class Window {
 public:
  Window() = default;
  // Destroys a window this object created; hands a subclassed one back to
  // its own procedure.
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return hwnd_; }
  // The object of a window, or null when the window has none.
  static Window* FromHandle(HWND hwnd);

  // Creates a window of the framework's own class.
  bool Create(DWORD exStyle, const char* title, DWORD style, int x, int y, int width,
              int height, HWND parent, HMENU menuOrId = nullptr);
  // Takes over an existing window, typically a dialog item: its messages reach
  // this object first, then the window's own procedure.
  bool Subclass(HWND hwnd);
  bool SubclassDlgItem(int id, HWND dialog);
  // Gives the window back to its own procedure and forgets it.
  HWND Unsubclass();
  void Destroy();

  // A message that the parent got from this control (WM_NOTIFY, WM_COMMAND,
  // WM_DRAWITEM and the like). Returns true when handled; then the parent
  // returns `result` and does nothing more with it.
  virtual bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                  LRESULT& result) {
    return false;
  }
  // Offered every queued message for this window or its children before it
  // is dispatched; true swallows it.
  virtual bool PreTranslateMessage(MSG& msg) { return false; }

 protected:
  // Runs once the handle is known, before the first routed message.
  virtual void PreSubclassWindow() {}
  // Handles a message: true when handled, with its result.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return false;
  }
  // The window is gone and this object is detached from it.
  virtual void OnFinalMessage() {}
  // The processing the message would get without this object.
  virtual LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);

  // Reflection, then OnMessage. Used by the window procedures.
  bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // `owns`: the object destroys the window when it is destroyed first.
  void Attach(HWND hwnd, bool owns = false);
  void Detach();
  // Called by the procedures after WM_NCDESTROY.
  void FinishDestroy();

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  WNDPROC previousProc_ = nullptr;  // set while subclassed
  bool ownsWindow_ = false;         // created by this object
};

// The program's main window, as the application names it once it is made
// (null before and after); controls that measure for no window of their own
// take its DC. A window that is gone counts as none.
void SetMainWindow(HWND window);
HWND MainWindow();

// Offers a message that `parent` got from one of its children to the child's
// object. True when the child handled it.
bool ReflectToChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam,
                    LRESULT& result);

}  // namespace ui
