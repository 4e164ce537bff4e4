#pragma once
// Every numeric id of the program's windows, commands, strings, images and dialogs, in one
// place. The parameters' scroll bar and edit box ids live in core/parameters.h.

namespace kavel::ids {

// Dialog buttons.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// The panel's own controls (besides the parameters' scroll bars and edit boxes).
inline constexpr int IDC_SENDALL = 108;
inline constexpr int IDC_START = 109;
inline constexpr int IDC_STOP = 110;
inline constexpr int IDC_AUTOSEND = 272;

// Menu and toolbar commands.
inline constexpr int ID_VIEW_CUSTOMIZE = 126;
inline constexpr int ID_COMM_SETTINGS = 32771;
inline constexpr int ID_CUSTOM_FILE = 32772;
inline constexpr int ID_VIEW_STANDARD_CONTROLS = 32773;
inline constexpr int ID_VIEW_USER_CONTROLS = 32774;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;
inline constexpr int ID_VIEW_TOOLBAR = 59392;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;

// Application looks.
inline constexpr int ID_VIEW_APPLOOK_WIN_2000 = 205;
inline constexpr int ID_VIEW_APPLOOK_OFF_XP = 206;
inline constexpr int ID_VIEW_APPLOOK_WIN_XP = 207;
inline constexpr int ID_VIEW_APPLOOK_OFF_2003 = 208;
inline constexpr int ID_VIEW_APPLOOK_VS_2005 = 209;
inline constexpr int ID_VIEW_APPLOOK_VS_2008 = 210;
inline constexpr int ID_VIEW_APPLOOK_OFF_2007_BLUE = 215;
inline constexpr int ID_VIEW_APPLOOK_OFF_2007_BLACK = 216;
inline constexpr int ID_VIEW_APPLOOK_OFF_2007_SILVER = 217;
inline constexpr int ID_VIEW_APPLOOK_OFF_2007_AQUA = 218;
inline constexpr int ID_VIEW_APPLOOK_WINDOWS_7 = 219;

// Windows of the main frame.
inline constexpr int AFX_IDW_MENUBAR = 59398;
inline constexpr int AFX_IDW_TOOLBAR = 59392;
inline constexpr int AFX_IDW_STATUS_BAR = 59393;
inline constexpr int AFX_IDW_PANE_FIRST = 59648;
inline constexpr int ID_USER_TOOLBAR_FIRST = 59432;
inline constexpr int ID_USER_TOOLBAR_LAST = 59441;
inline constexpr int ID_INDICATOR_CAPS = 59137;
inline constexpr int ID_INDICATOR_NUM = 59138;
inline constexpr int ID_INDICATOR_SCRL = 59139;

// Resources.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDP_OLE_INIT_FAILED = 100;
inline constexpr int IDS_TOOLBAR_STANDARD = 124;
inline constexpr int IDS_TOOLBAR_CUSTOMIZE = 125;
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDR_MAINFRAME_256 = 129;
inline constexpr int IDB_USB_CONNECTED = 314;
inline constexpr int IDB_USB_DISCONNECTED = 318;
inline constexpr int IDD_ComSettingsDlg = 319;
inline constexpr int IDD_CustomFileDlg = 327;
inline constexpr int AFX_IDS_APP_TITLE = 57344;
inline constexpr int AFX_IDS_IDLEMESSAGE = 57345;

// Controls of the dialogs.
inline constexpr int IDC_BROWSE = 3;
inline constexpr int IDC_STOPBITS = 115;
inline constexpr int IDC_SPEED = 116;
inline constexpr int IDC_PORT = 117;
inline constexpr int IDC_PARITY = 118;
inline constexpr int IDC_DATABITS = 119;
inline constexpr int IDC_MOREINFO = 1001;
inline constexpr int IDC_CUSTOMFILEEDIT = 1002;

}  // namespace kavel::ids
