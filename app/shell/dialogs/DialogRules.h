// The rules of the picture and settings dialogs that need no window: how a typed number is read,
// when a button may be pressed, the order of timed preset recall, the panel-size block and the
// period of the background demonstration. Portable, so the native build tests them too.
#pragma once

namespace dlgrules {

// Reads a decimal number as the dialogs always have: leading blanks, an optional sign, then the
// digits up to the first other character (no digits: 0). Only the first maxChars characters are
// read (0: the whole text). False when the number does not fit a 32-bit int: such a text has no
// value, rather than the one its overflow would wrap to.
bool ReadNumber(const char* text, int maxChars, int* value);

// ---- Sub-window dialog ----
const int STEP_MIN = 1;
const int STEP_MAX = 10;
const int STEP_CHARS = 9;  // the step is read from at most this many characters
// A step is valid when the text is not empty and reads as 1..10.
bool StepValid(const char* text, int* step);

// ---- System settings: timed preset recall ----
const int PRESET_COUNT = 20;
const int INTERVAL_LIMIT = 259200;  // seconds; the interval must stay below it
// 发送 of the timed recall may be pressed when a first and a last preset are chosen (index >= 0),
// the first is below the last and the interval text reads as 1 .. INTERVAL_LIMIT - 1.
bool CycleAllowed(int first, int last, const char* interval, int* seconds);

// The order of the timed recall: the first preset at once, then one more per tick, back to the
// first after the last.
class PresetCycle {
public:
    // Starts over first .. last; returns the preset to recall at once.
    int Start(int first, int last);
    // The preset the next tick recalls.
    int Next();

private:
    int m_nFirst = 0;
    int m_nLast = 0;
    int m_nNext = 0;
};

// The device clock accepts the years 2000 to 2099 (two BCD digits after 2000).
bool ClockYearValid(int year);
// The daily power timers are sent on this fixed date; only their time of day counts.
const int TIMER_YEAR = 2009;
const int TIMER_MONTH = 1;
const int TIMER_DAY = 1;

// Period of the background demonstration, from the text of its list ("30秒", or "%d分" with 5,
// 10, 20, 40, 80 or 160); 0 for any other text.
int DemoPeriodSeconds(const char* text);

// ---- Factory settings ----
const int PANEL_VALUE_MAX = 5000;  // millimetres
const int PANEL_VALUES = 6;        // width, height, left, right, top, bottom
const int PANEL_BLOCK_BYTES = 12;

// The driver boards of the wall: the first after the MPD boards, one per panel.
void BoardRange(int mpdCount, int columns, int rows, int* first, int* last);
// A geometry value: an empty text counts as 0; valid for 0 .. 5000.
bool PanelValueValid(const char* text, int* value);
// A board number: an empty text counts as 0; valid for first .. last.
bool BoardValid(const char* text, int first, int last, int* board);
// 保存并发送 may be pressed when every geometry value and both board numbers are valid.
bool FactorySendAllowed(const char* const values[PANEL_VALUES], const char* boardFrom, const char* boardTo,
                        int firstBoard, int lastBoard);
// The block of the power-up commands: the six values in their order, each high byte first.
void PanelBlock(const int values[PANEL_VALUES], unsigned char block[PANEL_BLOCK_BYTES]);

}  // namespace dlgrules
