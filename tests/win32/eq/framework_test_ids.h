/* Resource ids of the framework test dialogs (resource script and C++). */
#pragma once

#define IDD_FORM 200
#define IDC_FLOAT 201
#define IDC_INT 202
#define IDC_SECOND_FLOAT 203
#define IDC_CHECK 204
#define IDC_RADIO_FIRST 205
#define IDC_RADIO_SECOND 206
#define IDC_RADIO_THIRD 207
#define IDC_LIST 208
#define IDC_APPLY 209
#define IDC_TINTED 210
#define IDC_SPIN 211
#define IDC_NESTED 212
#define IDC_ROW_FIRST 220 /* three buttons 220..222 */
#define IDC_ROW_LAST 222

#define IDD_MISSING 299
