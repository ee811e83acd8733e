// A child dialog that stacks collapsible item panes from the top, each
// followed by its content window, optionally with a vertical scroll bar. The
// panes are not owned: a pane leaves the stack when it is destroyed.
#pragma once

#include <windows.h>

#include <map>

#include "controls/win32/PaneScroller.h"
#include "ui/win32/Dialog.h"

class CItemPane;

class CExplorerPane : public ui::Dialog {
 public:
  CExplorerPane(int templateId, HWND owner);
  ~CExplorerPane() override;

  // Creates the pane from its template as a child of `parent`.
  bool Create(HWND parent);

  void SetBkColor(COLORREF colour);
  COLORREF GetBkColor() const { return background_; }
  void SetScrollable(int scrollable) { scrollable_ = scrollable; }
  void SetSpacing(int spacing) { spacing_ = spacing; }
  int GetSpacing() const { return spacing_; }

  // Adds `pane` under the last one and lays the stack out again.
  void AddPane(CItemPane* pane);
  // Forgets a pane that goes away.
  void RemovePane(CItemPane* pane);
  int GetPaneCount() const { return static_cast<int>(panes_.size()); }

  void RecalcLayout();
  // The animation's pass: `pane` and the panes under it move, those above
  // stay.
  void RecalcLayoutForPane(CItemPane* pane);

  PaneScroller& Scroller() { return scroller_; }
  HWND Owner() const { return owner_; }

 protected:
  bool OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void LayOut(int first, int scrollPosition);

  int templateId_;
  HWND owner_;
  std::map<int, CItemPane*> panes_;  // by adding order
  int paneCount_ = 0;
  COLORREF background_ = 0xE16464;
  PaneScroller scroller_;
  int scrollable_ = 1;
  int spacing_ = 5;
};
