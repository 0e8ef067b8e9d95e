/* Tarnwick's equaliser dialog: its control ids and how its value edits and faders behave.
   Read by the resource script and by the shared dialog code. */
#pragma once

#define EQ_ID_FIRST_FADER 1271 /* faders of bands 0..20: 1271..1291 */
#define EQ_ID_FIRST_EDIT 1301  /* value edits of bands 0..20: 1301..1321 */
#define EQ_ID_COPY 1087
#define EQ_ID_PASTE 1088
#define EQ_ID_FLAT 1089
#define EQ_ID_GROUP 1331
#define EQ_ID_UNGROUP 1333

/* A refused value is put back into the edit, which takes the focus again. */
#define EQ_EDIT_RESTORES_TEXT 1
/* The fader's tick marks follow the thumb's travel (from the thumb and channel sizes). */
#define EQ_TICKS_FOLLOW_THUMB 1
