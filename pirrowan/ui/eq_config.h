/* Pirrowan's equaliser dialog: its control ids and how its value edits and faders behave.
   Read by the resource script and by the shared dialog code. */
#pragma once

#define EQ_ID_FIRST_FADER 1111 /* faders of bands 0..20: 1111..1131 */
#define EQ_ID_FIRST_EDIT 1141  /* value edits of bands 0..20: 1141..1161 */
#define EQ_ID_COPY 1103
#define EQ_ID_PASTE 1104
#define EQ_ID_FLAT 1105
#define EQ_ID_GROUP 1232
#define EQ_ID_UNGROUP 1233

/* A refused value stays in the edit; the focus goes where it was going. */
#define EQ_EDIT_RESTORES_TEXT 0
/* The fader's tick marks sit at fixed fractions of the channel height. */
#define EQ_TICKS_FOLLOW_THUMB 0
