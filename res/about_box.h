#pragma once
// Dialog template 100, the About box, and the information page its button opens.

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "res/dialog_template.h"
#include "res/resource_ids.h"

namespace kavel::dlg {

namespace about_detail {
// String literals joined at compile time, with one terminating zero.
template <std::size_t... N>
constexpr auto Join(const char (&... parts)[N]) {
    std::array<char, (N + ...) - sizeof...(N) + 1> joined{};
    std::size_t at = 0;
    ((std::copy_n(parts, N - 1, joined.begin() + at), at += N - 1), ...);
    return joined;
}
template <std::size_t N>
constexpr std::string_view View(const std::array<char, N>& text) {
    return {text.data(), N - 1};
}
// The server of the project's information page.
inline constexpr char kInfoHost[] = "kavel.example.org";
inline constexpr auto kMoreInfoCaption = Join("More info: http:/", kInfoHost, "/arduino");
inline constexpr auto kInfoPage = Join("http://", kInfoHost, "/arduino/index.html");
}  // namespace about_detail

// The page that More info opens.
inline constexpr std::string_view kInfoPage = about_detail::View(about_detail::kInfoPage);
// The program's icon, named by its number as resource names write it.
inline constexpr std::string_view kProgramIconName = "#128";

using K = ControlKind;

inline constexpr ControlTemplate kAboutControls[] = {
    {kStaticId, "", K::Icon, kProgramIconName, {14, 14, 20, 20}},
    {kStaticId, "", K::TextNoPrefix, "Kavel, Version 1.0 - Sends scroll bar positions to a Arduino",
     {55, 11, 405, 8}},
    {kStaticId, "", K::Text, "If you are using the serial monitor add 100 to each value",
     {16, 39, 200, 8}},
    {kStaticId, "", K::Text, "e.g. for a start value of 10 type s110 and click send",
     {16, 54, 200, 8}},
    {kStaticId, "", K::Text, "'s':  Start, 10 no ,20 yes\"", {16, 69, 200, 8}},
    {kStaticId, "", K::Text, "'y':\t\t//Duty cycle 0 to 100\"", {16, 84, 200, 8}},
    {kStaticId, "", K::Text, "'l':\t\t//Left movement time 0 to 100\"", {16, 99, 200, 8}},
    {kStaticId, "", K::Text, "'r':\t\t//Right movement time 0 to 100\"", {16, 114, 200, 8}},
    {kStaticId, "", K::Text, "'m':\t\t//SmoothStartMax The length of smooth start\"",
     {16, 129, 200, 8}},
    {kStaticId, "", K::Text, "'o':\t\t//OffTimeMillis - Off time between pulse", {16, 144, 200, 8}},
    {kStaticId, "", K::Text, "'?':\t\t//Info - this info", {16, 159, 200, 8}},
    {ids::IDC_MOREINFO, "IDC_MOREINFO", K::PushButton,
     about_detail::View(about_detail::kMoreInfoCaption), {16, 177, 466, 36}},
    {ids::IDOK, "IDOK", K::DefPushButton, "OK", {539, 228, 50, 14}},
};

inline constexpr DialogTemplate kAboutTemplate = {ids::IDD_ABOUTBOX, "About Kavel", 596, 249,
                                                  kAboutControls};

}  // namespace kavel::dlg
