// The set-up tool's dialog: it shows a settings record, and hands the one the user chose, once
// it passes the checks, to the caller's apply, which writes it. The dialog ends when apply
// succeeds and stays open when it fails; Cancel, Esc and the close box hand nothing over.
#pragma once

#include <windows.h>

#include "common/settings.h"

typedef BOOL (*ApplySettings)(HWND dialog, const Settings& chosen);

// TRUE when OK ended the dialog (apply took the settings chosen), FALSE when it was cancelled.
BOOL runSetupDialog(HINSTANCE instance, const Settings& shown, ApplySettings apply);

// A message in a box with the tool's caption.
void showToolMessage(HWND owner, const wchar_t* message, UINT icon);
