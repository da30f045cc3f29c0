// The end-to-end cases, one function each.
#pragma once

void caseFirstStart();
void caseCornerClamping();
void caseSettingsEveryKey();
void caseStillCursorThrottle();
void caseUserResizeSnaps();
void caseSecondCopy();
void caseCloseSavesSettings();
