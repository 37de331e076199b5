// Template and control numbers of the library update's dialogs, shared by resources/update.rc and
// the dialog classes. Plain #defines, since the resource compiler reads this file too.
#pragma once

#define IDD_EMPTY_LIBRARY_PROMPT 148
#define IDD_GALLERY_ADD 262
#define IDD_GALLERY_UPDATE 263

// Update progress dialog
#define IDC_UPDATE_STATUS 1009
#define IDC_UPDATE_PROGRESS 1010
#define IDC_UPDATE_CLOSE 1123

// Empty-library prompt
#define IDC_PROMPT_CLOSE 1020

// Specialty selection dialog: check boxes 1008 to 1037, three to a row
#define IDC_ADD_FIRST_CHECK 1008
#define IDC_ADD_CHECK_COUNT 30
#define IDC_ADD_CLOSE 1122
