#include "engine/files/win32/FileBuiltins.h"

void BindFileBuiltins() {
  BindFileInfoBuiltins();
  BindFileTimeBuiltins();
  BindFileCopyBuiltins();
  BindFolderBuiltins();
  BindShortcutBuiltins();
  BindFileDialogBuiltins();
  BindDriveBuiltins();
  BindDriveMapBuiltins();
  BindIniBuiltins();
}
