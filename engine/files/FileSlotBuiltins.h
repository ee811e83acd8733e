// The file built-ins over the interpreter's file slots: FILEOPEN, FILECLOSE,
// FILEREADLINE, FILEREAD, FILEWRITE, FILEWRITELINE and FILEFINDNEXTFILE.
// They need only the C library; the searches that FILEFINDFIRSTFILE starts
// come from the Windows part. Slots left open are closed when a whole run
// ends, never between its repetitions.
#pragma once

class CMerlane_Script;

extern const char* const kTooManyOpenFilesMessage;
extern const char* const kInvalidFileHandleMessage;

// Binds the handlers and registers the closing of the slots at run end.
void BindFileSlotBuiltins();

// Frees every slot (the run-ended step).
void CloseFileSlots(CMerlane_Script& engine);
