// The set-up tool's controls: the settings and the texts shown in them, and the settings they
// show read back. The check boxes and the lists are rows of tables in controls.cpp, the hot
// keys those of common/hotkeys.h.
#pragma once

#include <windows.h>

#include "common/settings.h"
#include "common/texts.h"

void check(HWND dlg, int control, int flag);
BOOL checked(HWND dlg, int control);
// A hot-key control's key, as the settings keep one.
int chosenHotkey(HWND dlg, int control);

// Shows the values as the magnifier uses them (the table's reader has brought them into range).
void showSettings(HWND dlg, const Settings& shown);
// The settings shown, with what the controls show now. A period that is no number (empty,
// letters, too long to convert) reads as 0, which the checks refuse.
Settings chosenSettings(HWND dlg, const Settings& shown);
// A text (at most 160 characters) with the refresh period's range, as the settings table has it.
void withIntervalRange(wchar_t* out, TextId format);
// The caption, every label and the lists' items in the face in force.
void showTexts(HWND dlg);
// A key without Ctrl or Alt would be taken from every program (with Shift alone, its capital
// letter): the key controls give it Ctrl instead.
void refusePlainKeys(HWND dlg);
