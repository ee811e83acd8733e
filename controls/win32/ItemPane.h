// A skinned caption bar that opens and shuts its content window when
// clicked, in 2-pixel steps on timer ticks of the interface thread. It lives
// in a CExplorerPane, which moves it and the panes below as it animates. The
// animation stops when the pane or its container goes.
#pragma once

#include <windows.h>

#include <string>

#include "controls/win32/SkinableDialog.h"

class CExplorerPane;

class CItemPane : public CSkinableDialog {
 public:
  enum State { kCollapsed = 1, kExpanded = 2 };

  CItemPane(int templateId, CExplorerPane* explorer, HWND content, int skinId,
            int collapsedIconId, int expandedIconId, int state);
  ~CItemPane() override;

  // Creates the pane from its template as a child of `parent` (normally the
  // explorer pane).
  bool Create(HWND parent);

  // `font`, when given, replaces the caption font and is then owned here.
  void SetCaption(const std::string& caption, COLORREF colour, HFONT font = nullptr);

  int GetState() const { return state_; }
  bool IsAnimating() const { return animating_ != 0; }
  HWND GetContentWindow() const { return content_; }
  int GetContentHeight() const { return contentHeight_; }
  int GetShownHeight() const { return shownHeight_; }
  int GetHeight() const;
  const std::string& GetCaption() const { return caption_; }

  // The container is going: the pane stops calling it.
  void DetachExplorer() { explorer_ = nullptr; }

 protected:
  bool OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void OnClick();
  void AnimationStep();
  void FinishAnimation();
  void Paint();
  void Relayout();
  void StopAnimation();
  void FreeImages();

  int templateId_;
  CExplorerPane* explorer_;
  HWND content_;
  int skinId_;
  int collapsedIconId_;
  int expandedIconId_;
  int state_;
  int animating_ = 0;
  int animationOffset_ = 0;  // the next step's 2-pixel offset
  std::string caption_ = "Item Pane";
  COLORREF captionColour_ = 0;
  HFONT captionFont_ = nullptr;
  HBITMAP collapsedIcon_ = nullptr;
  HBITMAP expandedIcon_ = nullptr;
  int contentHeight_ = 0;
  int shownHeight_ = 0;
};
