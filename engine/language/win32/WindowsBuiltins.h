#pragma once

// Binds the handlers of the built-in families that need Windows (called by
// InstallWindowsServices). Rows of families not bound answer through the
// placeholder of the built-in table.
void BindWindowsBuiltins();
