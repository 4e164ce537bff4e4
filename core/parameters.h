#pragma once
// The five drive parameters and the arithmetic that ties a scroll bar's thumb to a value.
// A value is the scroll limit (maximum + 1) minus the thumb position, so the thumb at the top
// gives the largest value; the number sent to the board is the value plus 100.

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <span>
#include <string_view>

namespace kavel {

struct Parameter {
    std::string_view label;  // painted above the column, blanks included
    int scroll_id;
    int edit_id;
    char letter;
    int maximum;  // scroll range is kScrollMinimum .. maximum
    int initial_position;
};

inline constexpr int kScrollMinimum = 0;
inline constexpr int kSendOffset = 100;

inline constexpr std::array<Parameter, 5> kParameters = {{
    {" LeftTime ", 101, 104, 'l', 150, 90},
    {" RightTime ", 102, 105, 'r', 150, 90},
    {" Dutycycle ", 103, 106, 'y', 100, 70},
    {" Smooth ", 111, 113, 'm', 150, 145},
    {" OffTime ", 112, 114, 'o', 1000, 500},
}};

enum ParameterIndex { kLeftTime = 0, kRightTime, kDutyCycle, kSmoothStart, kOffTime };

constexpr int ScrollLimit(int maximum) { return maximum + 1; }
constexpr int ValueAt(int limit, int position) { return limit - position; }
constexpr int PositionFor(int limit, int value) { return limit - value; }

// The number a typed value or a thumb's value goes out as: value + 100. A typed number near
// the int limit would overflow; it is held at the limit instead.
constexpr int CommandNumber(int value) {
    constexpr int kLargest = std::numeric_limits<int>::max();
    return value > kLargest - kSendOffset ? kLargest : value + kSendOffset;
}

// The thumb position for a typed value: limit minus value, kept inside min .. max as the
// scroll bar itself keeps it (the arithmetic is 64-bit, so any int is safe).
constexpr int PositionForTyped(int limit, int value, int min, int max) {
    const long long position = static_cast<long long>(limit) - value;
    return static_cast<int>(std::clamp<long long>(position, min, max));
}

// Only the duty cycle box limits what is typed, to 0 .. 100, before it is used.
inline constexpr int kDutyTypedMin = 0;
inline constexpr int kDutyTypedMax = 100;
constexpr int TypedValue(int parameter, int typed) {
    return parameter == kDutyCycle ? std::clamp(typed, kDutyTypedMin, kDutyTypedMax) : typed;
}

// Start and stop: letter s with the board's yes (20) and no (10) plus 100.
inline constexpr char kStartStopLetter = 's';
inline constexpr int kStartNumber = 120;
inline constexpr int kStopNumber = 110;

// The parameter whose scroll bar or edit box has this control id.
std::optional<int> ParameterByScrollId(int id);
std::optional<int> ParameterByEditId(int id);

// Scroll notification codes in Win32 numbering, so that the panel reads the same codes in the
// Windows and the Linux build.
enum ScrollCode {
    kLineUp = 0,
    kLineDown = 1,
    kPageUp = 2,
    kPageDown = 3,
    kThumbPosition = 4,
    kThumbTrack = 5,
    kTop = 6,
    kBottom = 7,
    kEndScroll = 8,
};

// The thumb position after a scroll notification, or nothing when the code moves nothing.
std::optional<int> NewScrollPosition(int code, int position, int track_pos, int min, int max);

// Groups stepped by the side mouse buttons, selected with the right mouse button.
inline constexpr int kGroupCount = 9;           // m_selected 0 .. 8
inline constexpr int kDefaultGroup = 5;         // what an out-of-range selection becomes
inline constexpr int kStartStopGroup = 8;
inline constexpr int kLineStep = 1;
inline constexpr int kPageStep = 10;

struct Group {
    std::array<int, 3> members;  // parameter indexes in sending order
    int count;
    int step;
};

// The group of a selection 0 .. 7 (8 is Start/Stop and has no members).
const Group& GroupFor(int selected);

// Common move of a group step: the smallest of each member's own move, so that no member
// passes its bound. values and limits are per member.
int StepUpMove(std::span<const int> values, std::span<const int> limits, int step);
int StepDownMove(std::span<const int> values, int step);

}  // namespace kavel
