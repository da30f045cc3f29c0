// The end-to-end cases, each in the file of its feature.
#pragma once

// clang-format off
void caseFirstStart(), caseEveryKey(), caseShowCommands(), caseSessionEnd(), caseHostileSettings(),
    caseCorners(), caseResize(), caseRepaint(), caseDrag(), caseSeeThroughDrag(), caseDisplayChangeInner(),
    caseDisplayChange(), caseTwoMonitors(), caseMenus(), caseTray(), caseHotkey(), caseShell(),
    caseHelp(), caseSetupTool(), caseWheel(), caseReadout(), caseFreeze(), caseDpi(), caseLoupe(),
    caseFaces(), caseFolders(), caseFollowFocus(), caseSmooth(), casePointer(), caseZoomKeys(),
    caseLens(), caseFilters();
// clang-format on
void checkResources(bool soak);
