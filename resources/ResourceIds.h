// Identifiers of the dialog templates, their controls and the string table.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Version and icon
#define IMPORTER_VERSION_NUMBERS 1, 0, 0, 0
#define IMPORTER_VERSION_TEXT "1.0.0"
#define IDI_IMPORTER 1

// Dialog templates
#define IDD_IMPORT_CONFIRM 101
#define IDD_CSV_PICKER 102
#define IDD_CSV_COLUMNS 114
#define IDD_IMPORT_TYPE 116
#define IDD_PROGRESS 117
#define IDD_SPEED_DIAL_PICKER 118
#define IDD_SPEED_DIAL_DETAIL 119

// String table: file-dialog filters
#define IDS_CSV_FILTER 1
#define IDS_WAB_FILTER 2
#define IDS_CSV_VCARD_FILTER 3 // CSV and vCard files, for the CSV import

// Confirmation dialog
#define IDC_CONFIRM_LIST 1001
#define IDC_CONFIRM_HEADING 1002
#define IDC_SELECTED_COUNT 1003
#define IDC_EXCLUDED_COUNT 1004
#define IDC_VALID_COUNT 1005
#define IDC_LIMIT_NOTE 1054
#define IDC_EXCLUDED_LABEL 1055

// Import-type chooser
#define IDC_IMPORT_TYPE_LIST 1056
#define IDC_SEARCH_COLUMNS 1057
#define IDC_CHOOSER_HELP 1058
#define IDC_DEFAULT_WAB 1059

// CSV column selection dialog
#define IDC_COLUMN_LIST 1051
#define IDC_NAME_COLUMN_TEXT 1052
#define IDC_NAME_COLUMN_BUTTON 1053
#define IDC_FAX_COLUMN_BUTTON 1054
#define IDC_FAX_COLUMN_TEXT 1055

// Recipient pickers (CSV and speed dial)
#define IDC_ADD_PICKS 1001
#define IDC_PICKED_LIST 1002
#define IDC_SEARCH_TEXT 1003
#define IDC_SOURCE_LIST 1004
#define IDC_PICKER_HELP 1047
#define IDC_DELETE_PICKS 1049
#define IDC_VIEW_DETAILS 1050

// Speed-dial detail dialog
#define IDC_DETAIL_NAME 1060
#define IDC_DETAIL_FAX 1061
#define IDC_DETAIL_MODE 1062
#define IDC_DETAIL_CONFIDENTIAL 1063
#define IDC_DETAIL_RELAY 1064
#define IDC_DETAIL_FCODE 1065

// The host window's child that limits an import to 200 recipients
#define IDC_HOST_LIMIT_CHILD 1008
