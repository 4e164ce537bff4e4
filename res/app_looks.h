#pragma once
// The application looks: for every look command, the visual manager it selects, the Office
// 2007 style where it has one, and the colours its bars, menus and tooltips are drawn in.
// Colours are "#rrggbb"; a pair is the top and the bottom of a vertical gradient. The control
// panel keeps its own colours.

#include <string_view>

#include "res/resource_ids.h"

namespace kavel::res {

enum class VisualManager {
    Windows2000,  // the plain base look
    OfficeXP,
    WindowsXP,
    Office2003,
    VS2005,
    VS2008,
    Office2007,  // in one of the four styles below
    Windows7,
};

// The Office 2007 styles, numbered as the look commands pass them: silver is 3 and aqua is 2.
enum Office2007Style : int {
    kNotOffice2007 = -1,  // a look of another manager
    kOffice2007Blue = 0,
    kOffice2007Black = 1,
    kOffice2007Aqua = 2,
    kOffice2007Silver = 3
};

using Colour = std::string_view;
using Gradient = Colour[2];

struct LookColours {
    std::string_view widget_style;  // the widget style drawing the bars: "Windows" or "Fusion"
    Colour text;                    // text on the bars
    Gradient menubar;
    Gradient bar;
    Colour bar_border;
    Colour menu;  // drop-down menus: background, text, border
    Colour menu_text;
    Colour menu_border;
    Gradient hot;  // hovered item or button
    Colour hot_border;
    Colour hot_text;
    Colour pressed;
    Gradient status;
    Colour status_text;
    Colour frame;  // the frame around the bars
    Colour tooltip;
    int radius;  // corner radius of bars and items, in pixels
};

// clang-format off
inline constexpr LookColours kWindows2000Colours = {
    "Windows", "#000000", {"#d4d0c8", "#d4d0c8"}, {"#d4d0c8", "#d4d0c8"}, "#808080",
    "#d4d0c8", "#000000", "#404040", {"#0a246a", "#0a246a"}, "#0a246a", "#ffffff", "#bab5ab",
    {"#d4d0c8", "#d4d0c8"}, "#000000", "#d4d0c8", "#ffffe1", 0};
inline constexpr LookColours kOfficeXPColours = {
    "Windows", "#000000", {"#ece9d8", "#ece9d8"}, {"#f8f7f4", "#e3e1d8"}, "#c6c3b8",
    "#fcfcf9", "#000000", "#8a867a", {"#c1d2ee", "#c1d2ee"}, "#316ac5", "#000000", "#98b5e2",
    {"#ece9d8", "#ece9d8"}, "#000000", "#ece9d8", "#ffffe1", 0};
inline constexpr LookColours kWindowsXPColours = {
    "Fusion", "#000000", {"#f3f1e7", "#ece9d8"}, {"#fefefb", "#d8d2bd"}, "#aca899",
    "#ffffff", "#000000", "#aca899", {"#316ac5", "#316ac5"}, "#2a5aa8", "#ffffff", "#e3e0d0",
    {"#f3f1e7", "#ddd7c3"}, "#000000", "#ece9d8", "#ffffe1", 2};
inline constexpr LookColours kOffice2003Colours = {
    "Fusion", "#000000", {"#ddecfe", "#c4daf9"}, {"#e3effe", "#7ba2e7"}, "#3b619c",
    "#f6f6f6", "#000000", "#002d96", {"#ffefc3", "#ffd28e"}, "#000080", "#000000", "#fe8e4b",
    {"#c4daf9", "#7ba2e7"}, "#000000", "#c4daf9", "#ffffe1", 3};
inline constexpr LookColours kVS2005Colours = {
    "Fusion", "#000000", {"#fbfaf6", "#ebe8dc"}, {"#fafaf8", "#d8d3c3"}, "#c2bfb1",
    "#fcfcfc", "#000000", "#8a867a", {"#c1d2ee", "#c1d2ee"}, "#316ac5", "#000000", "#98b5e2",
    {"#ece9d8", "#ece9d8"}, "#000000", "#ebe8dc", "#ffffe1", 2};
inline constexpr LookColours kVS2008Colours = {
    "Fusion", "#000000", {"#fafbfd", "#d9dee8"}, {"#fafbfd", "#c4cbdb"}, "#8e98b0",
    "#f5f6f9", "#000000", "#979797", {"#e8f0fb", "#c3d9f7"}, "#aecff7", "#000000", "#a3c3ef",
    {"#e2e6ee", "#cbd2df"}, "#000000", "#d9dee8", "#ffffff", 3};
inline constexpr LookColours kOffice2007BlueColours = {
    "Fusion", "#15428b", {"#dbe7f6", "#bfd4ef"}, {"#e4effd", "#a9c8f0"}, "#6f9dd9",
    "#fafafa", "#000000", "#868686", {"#fff5cc", "#ffd767"}, "#dbce99", "#000000", "#fbaa55",
    {"#d6e6fb", "#a3c2ea"}, "#15428b", "#bfdbff", "#ffffff", 3};
inline constexpr LookColours kOffice2007BlackColours = {
    "Fusion", "#ffffff", {"#5b5b5b", "#2f2f2f"}, {"#8f8f8f", "#3f3f3f"}, "#0b0b0b",
    "#fafafa", "#000000", "#868686", {"#fff5cc", "#ffd767"}, "#dbce99", "#000000", "#fbaa55",
    {"#6b6b6b", "#1f1f1f"}, "#ffffff", "#535353", "#ffffff", 3};
inline constexpr LookColours kOffice2007AquaColours = {
    "Fusion", "#1f4e5e", {"#e0eef3", "#b7d5e0"}, {"#e7f3f6", "#9fc7d4"}, "#5e98ab",
    "#fafafa", "#000000", "#868686", {"#fff5cc", "#ffd767"}, "#dbce99", "#000000", "#fbaa55",
    {"#d5e8ee", "#a3c8d4"}, "#1f4e5e", "#b4d3de", "#ffffff", 3};
inline constexpr LookColours kOffice2007SilverColours = {
    "Fusion", "#4c535c", {"#f3f5f8", "#d6dbe3"}, {"#f4f6f8", "#c5cbd4"}, "#9ba2ae",
    "#fafafa", "#000000", "#868686", {"#fff5cc", "#ffd767"}, "#dbce99", "#000000", "#fbaa55",
    {"#eef0f3", "#c4c9d1"}, "#4c535c", "#d0d4dd", "#ffffff", 3};
inline constexpr LookColours kWindows7Colours = {
    "Fusion", "#000000", {"#fbfcfd", "#e3e9f1"}, {"#fefefe", "#e8edf4"}, "#b6c3d6",
    "#f0f0f0", "#000000", "#979797", {"#f2f7fe", "#dcebfc"}, "#7da2ce", "#000000", "#c2dcfd",
    {"#f1f3f6", "#e6eaf0"}, "#000000", "#dfe6ef", "#ffffff", 3};
// clang-format on

struct AppLook {
    int command_id;
    VisualManager manager;
    int office2007_style;  // the Office 2007 style it selects; kNotOffice2007 for other managers
    const LookColours& colours;
};

// Every look, in menu order; the menu items are menu 128's (res/menus.h).
inline constexpr AppLook kAppLooks[] = {
    {ids::ID_VIEW_APPLOOK_WIN_2000, VisualManager::Windows2000, kNotOffice2007, kWindows2000Colours},
    {ids::ID_VIEW_APPLOOK_OFF_XP, VisualManager::OfficeXP, kNotOffice2007, kOfficeXPColours},
    {ids::ID_VIEW_APPLOOK_WIN_XP, VisualManager::WindowsXP, kNotOffice2007, kWindowsXPColours},
    {ids::ID_VIEW_APPLOOK_OFF_2003, VisualManager::Office2003, kNotOffice2007, kOffice2003Colours},
    {ids::ID_VIEW_APPLOOK_VS_2005, VisualManager::VS2005, kNotOffice2007, kVS2005Colours},
    {ids::ID_VIEW_APPLOOK_VS_2008, VisualManager::VS2008, kNotOffice2007, kVS2008Colours},
    {ids::ID_VIEW_APPLOOK_OFF_2007_BLUE, VisualManager::Office2007, kOffice2007Blue,
     kOffice2007BlueColours},
    {ids::ID_VIEW_APPLOOK_OFF_2007_BLACK, VisualManager::Office2007, kOffice2007Black,
     kOffice2007BlackColours},
    {ids::ID_VIEW_APPLOOK_OFF_2007_SILVER, VisualManager::Office2007, kOffice2007Silver,
     kOffice2007SilverColours},
    {ids::ID_VIEW_APPLOOK_OFF_2007_AQUA, VisualManager::Office2007, kOffice2007Aqua,
     kOffice2007AquaColours},
    {ids::ID_VIEW_APPLOOK_WINDOWS_7, VisualManager::Windows7, kNotOffice2007, kWindows7Colours},
};

}  // namespace kavel::res
