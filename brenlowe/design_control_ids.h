/* Resource and control ids of Brenlowe's design dialog, for the resource script and C++ alike.
   Row r (1..14) of the dialog is box r; its controls are the first id of the column + r. */
#pragma once

#define IDD_DESIGN_DIALOG 101
#define IDB_DESIGN_LOGO 106

#define IDC_ANGLE_EDIT0 1000      /* + r: aiming (row 1) or hinge angle, degrees */
#define IDC_ATTENUATION_EDIT0 1020 /* + r: attenuation, dB */
#define IDC_ANGLE_SPIN0 1060      /* + r */
#define IDC_ATTENUATION_SPIN0 1080 /* + r */
#define IDC_DELAY_EDIT0 1100      /* + r: delay, ms */
#define IDC_DELAY_SPIN0 1120      /* + r */
#define IDC_MODEL_COMBO0 1140     /* + r */
#define IDC_EQ_BUTTON0 1160       /* + r */

#define IDC_OVERALL_ATT_EDIT 1035 /* hidden: the overall attenuation only passes through */
#define IDC_EXCESS_AIR 1036
#define IDC_HORIZ_SYMMETRIC 1075
#define IDC_OVERALL_ATT_SPIN 1175 /* hidden */
#define IDC_BOX_COUNT 1234
