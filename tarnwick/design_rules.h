// How Tarnwick's cabinets may hang below each other: the size groupings of the models, the
// junction codes (which adapter frame joins two boxes and what it does to the splay angle), the
// splay limits and half-degree stops of the angle spins, the check of a typed splay angle, and
// the steps of the gain and delay spins. Plain functions; the design dialog applies them.
#pragma once

namespace tarnwick {

constexpr int kDesignBoxes = 24;   // boxes the dialog edits; box 0 hangs at the top
constexpr int kJunctions = 23;     // junction j (1..23) lies between box j - 1 and box j

// ModelCode = the row of a box's model list (the mapping is the identity).
enum ModelCode : int {
  kNoModel = -1,  // the list has no selection
  kModelOrlexR7,
  kModelTk610,
  kModelTk610_1,
  kModelTk610Bf,
  kModelTk520,
  kModelTk520F,
  kModelTk430,
  kModelTk430B,
  kModelTk430Bf,
  kModelTk340,  // the smallest cabinet, with its own angle rules
};
constexpr int kModelRows = 10;
static_assert(kModelTk340 == kModelRows - 1, "the lists end with \"TK-340\"");
constexpr int kHighestStoredModel = 18;  // codes above this in a stored design open as 0
extern const char* const kModelNames[kModelRows];

// Size class of a model, 1 = largest. There is no class 4: "TK-340" stands apart as 5.
enum SizeClass : int {
  kClassLarge = 1,   // "Orlex-R7" and the "TK-610" family; also a box without a model
  kClassMedium = 2,  // the "TK-520" family
  kClassSmall = 3,   // the "TK-430" family
  kClassTk340 = 5,
};
int SizeClassOf(int modelCode);
// Which adapter frame a junction offers: the size classes 1..3, and 4 for "TK-340", which
// never takes one.
int AdapterClassOf(int modelCode);
constexpr int kNoAdapterClass = 4;

// JunctionCode of junction j, kept per lower box.
enum JunctionCode : int {
  kJunctionPlain = -1,         // no frame, the model rule alone
  kJunctionInverted = 0,       // a larger box under a smaller one (only while the dialog runs)
  kJunctionRk = 1,             // "TK-900-RK": limit 5 (class 2 below) or 7 (class 3 below)
  kJunctionQk = 2,             // "TK-900-QK": fixed 10 degrees
  kJunctionPk = 3,             // "TK-900-PK": limit 7
  kJunctionTk340UnderLarge = 4,  // "TK-340" under class 1: limit 12.5, half-degree stops
  kJunctionTk340UnderMid = 5,    // "TK-340" under class 2: the same
};

// The frame picked in the adapter list of a class-1 box over a class-3 box.
enum class AdapterFrame { kNone, kQk, kRk };
extern const char kFramePk[];
extern const char kFrameQk[];
extern const char kFrameRk[];
AdapterFrame AdapterFrameNamed(const char* name);

// What the adapter controls of a junction show.
enum class AdapterShown { kUnchanged, kHidden, kLabelRk, kLabelPk, kChoice };
// For the junction below a box of adapter class upper over a box of class lower.
AdapterShown AdapterBelowBox(int upperAdapterClass, int lowerAdapterClass);
// For the junction above a box of class lower under a box of class upper.
AdapterShown AdapterAboveBox(int upperAdapterClass, int lowerAdapterClass);

// Code of a junction whose lower box is of a smaller size (upperClass < lowerClass); the
// frame decides class 1 over class 3 (kNone: no frame chosen, plain).
int SmallerBelowCode(int upperClass, int lowerClass, int lowerModel, AdapterFrame frame);
// Code of a junction whose lower box is not smaller (upperClass >= lowerClass), as the model
// change sees it and as the full recomputation sees it (which also calls a class-3 box under
// a "TK-340" plain).
int NotSmallerBelowCode(int upperClass, int lowerClass);
int NotSmallerBelowCodeRecomputed(int upperClass, int lowerClass);

// A junction angle above this after a model change or adapter choice is brought down to it;
// a large value means no limit.
constexpr float kNoAngleLimit = 1.0e30f;
// The angle that "TK-900-QK" fixes its junction at.
constexpr float kFixedFrameSplay = 10.0f;
float AdapterAngleLimit(int code, int lowerClass);
// The same when the frame of a junction that had previousCode is changed.
float AdapterChangeAngleLimit(int previousCode, int lowerClass);
// The angle at a junction after its lower box became another model than "TK-340".
float AngleUnderOtherModel(float angle);
// The angle at a junction next to a "TK-340": half degrees between 7 and 8 go to 8.
float AngleNextToTk340(float angle);

// One click of a splay spin (direction > 0 up, < 0 down) at a junction with the given lower
// and upper models, code and lower size class.
float SplayStepLimit(int lowerModel, int upperModel, int code, int lowerClass);
float StepSplay(float angle, int direction, int lowerModel, int upperModel, int code,
                int lowerClass);

// The check of a typed splay angle. Its kind comes from the rows of the lower and upper boxes'
// lists; the numbers are the ones the rules are written with.
enum class TypedAngleKind : int {
  kPlain = 1,             // whole degrees 0..10
  kFiveDegreeRows = 2,    // a box of rows 15..17 at the junction: whole degrees 0..5
  kTk340Pair = 3,         // "TK-340" under "TK-340": 0..12, 13.5, 15
  kTk340UnderOther = 4,   // "TK-340" under any other box: 0..7 or 7.5
};
// Rows 15..17 of a model list have their own typed-angle rule; the ten-row lists never offer
// them, so the rule is kept only for designs that name them.
constexpr int kFiveDegreeRowFirst = 15;
constexpr int kFiveDegreeRowLast = 17;
TypedAngleKind TypedAngleKindOf(int lowerRow, int upperRow);
struct TypedAngleRule {
  const char* message;
  float limit;
};
TypedAngleRule TypedAngleRuleFor(TypedAngleKind kind, int code, int lowerClass);
bool TypedAngleHasValidForm(TypedAngleKind kind, float angle);
bool TypedAngleInRange(float angle, float limit);
// Reads a number from the start of a typed text the way "%g" does.
bool ParseTypedAngle(const char* text, float* angle);
// Texts of the dialog's notices.
extern const char kEnterNumberMessage[];
extern const char kNegativeSplayMessage[];

// Spins of the gain/delay column, half a dB or 0.022 ms a click; the gain stops at +6 dB and
// the delay at 0 ms. False when the click changes nothing.
bool StepGain(float& gain, int direction);
bool StepDelay(float& delay, int direction);
constexpr float kGainCeiling = 6.0f;

}  // namespace tarnwick
