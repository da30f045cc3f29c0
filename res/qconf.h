// Resource and control identifiers of the set-up tool, shared by its resource script and code.
#pragma once

#define IDI_QCONF 101  // the tool's icon, the magnifier's own picture
#define IDD_QCONF 201

#define IDC_COLOR_SWATCH 1001  // owner-drawn: the crosshair colour
#define IDC_COLOR_BUTTON 1002
#define IDC_HOTKEY 1003
#define IDC_INTERVAL 1004
#define IDC_OK_NOTE 1005  // what OK will do, given whether the magnifier runs
#define IDC_INFO 1006
#define IDC_FREEZE_KEY 1007  // hot-key controls
#define IDC_COPY_KEY 1008
#define IDC_LANGUAGE 1009     // Automatic, 日本語, English
#define IDC_COLOR_LABEL 1010  // labels, named so that the face's texts can be set
#define IDC_INTERVAL_LABEL 1011
#define IDC_INTERVAL_UNIT 1012
#define IDC_FREEZE_LABEL 1013
#define IDC_COPY_LABEL 1014
#define IDC_LANGUAGE_LABEL 1015
#define IDC_GRID 1016  // the loupe's settings
#define IDC_COLOR_FORMAT 1017
#define IDC_AVERAGE 1018
#define IDC_PICK_KEY 1019
#define IDC_ANCHOR_KEY 1020
#define IDC_SAVE_KEY 1021
#define IDC_SAVE_FOLDER 1022
#define IDC_BROWSE 1023
#define IDC_COLOR_FORMAT_LABEL 1024
#define IDC_AVERAGE_LABEL 1025
#define IDC_PICK_LABEL 1026
#define IDC_ANCHOR_LABEL 1027
#define IDC_SAVE_LABEL 1028
#define IDC_SAVE_FOLDER_LABEL 1029
#define IDC_FOLLOW_FOCUS 1030
#define IDC_EXCLUDE_SELF 1031
#define IDC_SMOOTH 1036  // ids 1032 to 1035: the zoom keys
#define IDC_POINTER 1037
#define IDC_ZOOM_IN_KEY 1032
#define IDC_ZOOM_IN_LABEL 1033
#define IDC_ZOOM_OUT_KEY 1034
#define IDC_ZOOM_OUT_LABEL 1035
#define IDC_LENS 1038
#define IDC_LENS_KEY 1039
#define IDC_LENS_LABEL 1040
#define IDC_FILTER 1041  // ids 1038 to 1040: the lens
#define IDC_FILTER_LABEL 1042
