// Messages that change an edit control's text without a key or character:
// clipboard, undo and replace. Controls that guard their text treat them
// together.
#pragma once

#include <windows.h>

inline bool IsTextCommandMessage(UINT message) {
  switch (message) {
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
      return true;
    default:
      return false;
  }
}
