#include "platform/win32/win32_file_chooser.h"

#include <windows.h>
#include <commdlg.h>

#include <array>

#include "platform/win32/wide_text.h"

namespace kavel::win32 {
namespace {

constexpr std::size_t kNameBufferChars = 255;
constexpr DWORD kNameCapacity = kNameBufferChars - 1;

// "label\0pattern\0" for each filter, and one more NUL at the end.
std::wstring FilterText(const std::vector<FileFilter>& filters) {
    std::wstring text;
    for (const FileFilter& filter : filters) {
        text += Widen(filter.label) + L'\0' + Widen(filter.pattern) + L'\0';
    }
    return text + L'\0';
}

}  // namespace

std::string Win32FileChooser::ChooseOpenFile(const FileChooserRequest& request) {
    std::array<wchar_t, kNameBufferChars> name{};
    const std::wstring filter = FilterText(request.filters);
    const std::wstring folder = Widen(request.start_folder);
    const std::wstring extension = Widen(request.default_extension);
    OPENFILENAMEW chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = GetActiveWindow();
    chooser.lpstrFilter = filter.c_str();
    chooser.nFilterIndex = 1;
    chooser.lpstrFile = name.data();
    chooser.nMaxFile = kNameCapacity;
    chooser.lpstrInitialDir = folder.c_str();
    chooser.lpstrDefExt = extension.c_str();
    chooser.Flags = OFN_EXPLORER;
    if (!GetOpenFileNameW(&chooser)) return {};
    return Narrow(name.data());
}

}  // namespace kavel::win32
