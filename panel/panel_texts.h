#pragma once
// Texts the control panel shows: status lines, control captions and its one message box. The
// column labels live with the parameter table (core/parameters.h).

namespace kavel::panel_texts {

inline constexpr char kStatus1Initial[] = "1...";
inline constexpr char kStatus2Initial[] = "2...";
inline constexpr char kStatus3Initial[] = "3...";

// Set together when a handler refuses to send because the user has not connected.
inline constexpr char kNotConnected1[] = "1. Can't send, the comm port is not connected";
inline constexpr char kNotConnected2[] = "2. Click on the USB symbol to connect";
inline constexpr char kNotConnected3[] = "3. ...";

// The USB symbol click.
inline constexpr char kLeftClickFormat[] = "3. Left click %d %d ";
inline constexpr char kConnecting[] = "1. Connecting please wait";
inline constexpr char kConnect[] = "1. Connect";
inline constexpr char kConnected[] = "2. Connected";
inline constexpr char kConnectFailed[] = "2. Connect failed";
inline constexpr char kDisconnect[] = "1. Disconnect";
inline constexpr char kDisconnected[] = "2. Disconnected";

// A side mouse button pressed on the panel's edge.
inline constexpr char kNcXButtonFormat[] = "OnNcXButtonDown Mouse button %d";

inline constexpr char kAutoSend[] = "Auto send";
inline constexpr char kSendAll[] = "Send All";
inline constexpr char kStart[] = "Start";
inline constexpr char kStop[] = "Stop";

// The scroll bars' context menu.
inline constexpr char kScrollHere[] = "Scroll here";
inline constexpr char kScrollTop[] = "Top";
inline constexpr char kScrollBottom[] = "Bottom";
inline constexpr char kPageUp[] = "Page up";
inline constexpr char kPageDown[] = "Page down";
inline constexpr char kScrollUp[] = "Scroll up";
inline constexpr char kScrollDown[] = "Scroll down";

}  // namespace kavel::panel_texts
