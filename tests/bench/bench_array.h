// The arrays the speed measurements evaluate: the deliverable's largest array, curved as a user
// would hang it, placed 8 m up and aimed 3 degrees down, with a seat 40 m away and 3 m off its
// axis.
#pragma once

// Loads the engine afresh and makes a slot with that array current; false on failure.
bool SetUpBenchArray(int boxCount);

// Sub-source pairs and pair-band terms of one response of an array of boxCount boxes.
struct PairCount {
  long pairs;
  long pairBandTerms;
};
PairCount PairsPerResponse(int boxCount);
