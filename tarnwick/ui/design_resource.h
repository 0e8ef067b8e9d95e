/* Resource ids of Tarnwick's design dialog, for the resource script and C++ alike. Box i and
   junction j count from 0 and 1 as in the dialog code; rows are numbered 1..24 on screen. */
#pragma once

#define IDD_DESIGN_DIALOG 101
#define IDB_DESIGN_LOGO 106

#define IDC_ANGLE_EDIT_FIRST 1001   /* angle edits of rows 1..24: 1001..1024 (1001 hidden) */
#define IDC_COLUMN_EDIT_FIRST 1031  /* gain/delay edits: 1031..1054 */
#define IDC_EXCESS_AIR 1055
#define IDC_ANGLE_SPIN_FIRST 1061   /* angle spins: 1061..1084 (1061 hidden) */
#define IDC_BOX_COUNT_SPIN 1085
#define IDC_COLUMN_SPIN_FIRST 1091  /* gain/delay spins: 1091..1114 */
#define IDC_MODEL_LIST_FIRST 1141   /* model lists: 1141..1164 */
#define IDC_EQ_BUTTON_FIRST 1171    /* "EQ" buttons: 1171..1194 */
#define IDC_ADAPTER_LIST_LOW 1201   /* adapter lists of junctions 1..13: 1201..1213 */
#define IDC_ADAPTER_LIST_HIGH 1224  /* adapter lists of junctions 14..23: 1224..1233 */
#define IDC_ADAPTER_LOW_COUNT 13
#define IDC_ADAPTER_LABEL_FIRST 1241  /* adapter labels of junctions 1..23: 1241..1263 */
#define IDC_BOX_COUNT_LIST 1334
#define IDC_SET_ALL_BOXES 1406
#define IDC_GAIN_MODE 1407
#define IDC_DELAY_MODE 1408
#define IDC_DESIGN_OK 1410
