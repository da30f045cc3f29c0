// The end-to-end cases, each in the file of its feature.
#pragma once

void caseFirstStart();
void caseEveryKey();
void caseShowCommands();
void caseSessionEnd();
void caseHostileSettings();
void caseCorners();
void caseResize();
void caseDrag();
void caseSeeThroughDrag();
void caseDisplayChangeInner();
void caseDisplayChange();
void caseTwoMonitors();
void caseMenus();
void caseTray();
void caseHotkey();
void caseShell();
void caseHelp();
void caseSetupTool();
void caseWheel();
void caseReadout();
void caseFreeze();
void caseDpi();
void caseLoupe();
void caseFaces();
void caseFolders();
void checkResources(bool soak);
