// The built-ins of windows, waits, mouse, pixels, controls and robot keys, by
// theme; BindWindowFamilyBuiltins binds them all.
#pragma once

void BindWindowFamilyBuiltins();

void BindWindowActionBuiltins();   // activate, move, close, set state/title/on top
void BindWindowQueryBuiltins();    // title, text, position, state, handle, exists
void BindWindowMenuTipBuiltins();  // menu items, caret, tool tip
void BindWindowWaitBuiltins();     // window waits, WAIT, WAITLONG
void BindMouseBuiltins();
void BindPixelBuiltins();          // pixels, CHECKCOLOR
void BindControlBuiltins();
void BindControlCommandBuiltin();
void BindStatusBarBuiltin();
void BindKeyBuiltins();            // SEND, CONTROLSEND, KEYSEND, KEYDOWN, KEYUP
