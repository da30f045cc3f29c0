// The end-to-end cases, one function each.
#pragma once

// Start-up, settings, rendering and sizing.
void caseFirstStart();
void caseCornerClamping();
void caseSettingsEveryKey();
void caseStillCursorThrottle();
void caseUserResizeSnaps();
void caseSecondCopy();
void caseCloseSavesSettings();

// Menus and commands.
void caseMenuOpensAtCursor();
void caseMenuCommands();
void caseHelpAndSetupTool();
// When this driver runs as the stand-in set-up tool "QConf.exe": notes its start and
// returns true.
bool runAsSetupToolStandIn();

// Dragging.
void caseDragKeepsGrabPoint();
void caseSeeThroughDrag();
void caseLostCaptureEndsDrag();
void caseNoGdiLeaks();

// The notification icon, hiding and the hot key.
void caseTrayCallbacks();
void caseHotkeyToggles();
void caseShowCommands();
void caseNoNotificationIcon();
void caseShellRestartAddsIcon();

// Bad input, the session's end and long use.
void caseHostileSettings();
void caseSessionEndSaves();
void caseSoak();

// A change of display resolution (inside a virtual desktop, where Wine allows one).
void caseDisplayChange();
void caseDisplayChangeInner();
