// Identifiers shared by Blockery.rc and the windows built on its templates. Plain #defines, since
// the resource compiler reads this file too.
#pragma once

#define IDI_BLOCKERY 128

// Main gallery window
#define IDD_GALLERY 261
#define IDC_TAB_0 1000
#define IDC_TAB_1 1001
#define IDC_UPDATE 1002
#define IDC_HELP_BUTTON 1003
#define IDC_ADD_MORE 1004
#define IDC_CATEGORY_TREE 1005
#define IDC_MORE_INFO 1006
#define IDC_TAB_2 1008
#define IDC_TAB_3 1009
#define IDC_TAB_4 1010
#define IDC_TAB_PREVIOUS 1015
#define IDC_TAB_NEXT 1016
#define IDC_CLOSE_BUTTON 1121
#define IDC_THUMBNAIL_LIST 2213
#define IDC_SEARCH_FIELD 2290
