/* Resource and control ids of Pirrowan's design dialog, for the resource script and C++ alike.
   Box row r counts from 0 (r = 0..5); its controls are the first id of the column + r. */
#pragma once

#define IDD_DESIGN_DIALOG 101
#define IDB_DESIGN_LOGO 106

#define IDC_OVERALL_AIMING_EDIT 1001
#define IDC_OVERALL_ATT_EDIT 1002 /* hidden: the overall attenuation only passes through */
#define IDC_OVERALL_AIMING_SPIN 1003
#define IDC_OVERALL_ATT_SPIN 1004 /* hidden */
#define IDC_ATTENUATION_EDIT 1021 /* + r, dB */
#define IDC_ATTENUATION_SPIN 1031 /* + r */
#define IDC_DELAY_EDIT 1041       /* + r, ms */
#define IDC_DELAY_SPIN 1051       /* + r */
#define IDC_HF_LEVEL_COMBO 1061   /* + r: "+3", "0", "-3" */
#define IDC_HF_LEVEL_SPIN 1071    /* + r */
#define IDC_EQ_BUTTON 1081        /* + r */
#define IDC_EXCESS_AIR 1101
#define IDC_ENCLOSURE_21S 1106    /* first radio of the enclosure type: type 0 */
#define IDC_ENCLOSURE_22S 1107    /* type 1 */
#define IDC_BOX_COUNT 1234
