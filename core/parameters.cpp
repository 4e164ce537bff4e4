#include "core/parameters.h"

#include <algorithm>
#include <limits>

namespace kavel {
namespace {

constexpr int kBigStep = 100;  // off time steps by 100

constexpr std::array<Group, 8> kGroups = {{
    {{kLeftTime}, 1, kPageStep},
    {{kRightTime}, 1, kPageStep},
    {{kDutyCycle}, 1, kPageStep},
    {{kSmoothStart}, 1, kPageStep},
    {{kOffTime}, 1, kBigStep},
    {{kLeftTime}, 1, kPageStep},
    {{kLeftTime, kRightTime}, 2, kPageStep},
    {{kLeftTime, kRightTime, kDutyCycle}, 3, kPageStep},
}};

template <auto Field>
std::optional<int> FindBy(int id) {
    for (std::size_t i = 0; i < kParameters.size(); ++i) {
        if (kParameters[i].*Field == id) return static_cast<int>(i);
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> ParameterByScrollId(int id) { return FindBy<&Parameter::scroll_id>(id); }
std::optional<int> ParameterByEditId(int id) { return FindBy<&Parameter::edit_id>(id); }

std::optional<int> NewScrollPosition(int code, int p, int track_pos, int min, int max) {
    switch (code) {
        case kLineUp: return p <= min ? min : p - kLineStep;
        case kLineDown: return p >= max ? max : p + kLineStep;
        case kPageUp: return p <= min + kPageStep ? min : p - kPageStep;
        case kPageDown: return p >= max - kPageStep ? max : p + kPageStep;
        case kThumbPosition:
        case kThumbTrack: return track_pos;
        case kTop: return min;
        case kBottom: return max;
        default: return std::nullopt;
    }
}

const Group& GroupFor(int selected) {
    return kGroups.at(static_cast<std::size_t>(selected));
}

int StepUpMove(std::span<const int> values, std::span<const int> limits, int step) {
    int d = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int own = values[i] < limits[i] - step ? step : limits[i] - values[i];
        d = std::min(d, own);
    }
    return values.empty() ? 0 : d;
}

int StepDownMove(std::span<const int> values, int step) {
    int d = std::numeric_limits<int>::max();
    for (const int v : values) d = std::min(d, v > step ? step : v - 1);
    return values.empty() ? 0 : d;
}

}  // namespace kavel
