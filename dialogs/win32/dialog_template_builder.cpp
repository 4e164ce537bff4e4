#include "dialogs/win32/dialog_template_builder.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

#include "platform/win32/wide_text.h"

namespace kavel::win32 {
namespace {

constexpr std::wstring_view kFontFace = L"MS Shell Dlg";
constexpr WORD kFontPoints = 8;

// Predefined control classes, as the template names them by atom.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kComboBoxClass = 0x0085;
constexpr WORD kOrdinalMark = 0xFFFF;  // an atom or a resource number follows

// What a resource script's statement of each kind makes: its class and its styles.
struct KindStyle {
    WORD control_class;
    DWORD style;
};

KindStyle StyleOf(dlg::ControlKind kind) {
    using K = dlg::ControlKind;
    switch (kind) {
    case K::DefPushButton: return {kButtonClass, BS_DEFPUSHBUTTON | WS_TABSTOP};
    case K::PushButton: return {kButtonClass, BS_PUSHBUTTON | WS_TABSTOP};
    case K::DropDownCombo: return {kComboBoxClass, CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP};
    case K::Edit: return {kEditClass, ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP};
    case K::Label:
    case K::Text: return {kStaticClass, SS_LEFT | WS_GROUP};
    case K::TextNoPrefix: return {kStaticClass, SS_LEFT | SS_NOPREFIX | WS_GROUP};
    case K::Icon: return {kStaticClass, SS_ICON};
    }
    return {kStaticClass, SS_LEFT};
}

class TemplateWriter {
public:
    void Word(WORD value) { m_words.push_back(value); }
    void Dword(DWORD value) {
        Word(LOWORD(value));
        Word(HIWORD(value));
    }
    void Text(std::wstring_view text) {
        m_words.insert(m_words.end(), text.begin(), text.end());
        Word(0);
    }
    // A control's title: a resource number ("#128") or a text.
    void Title(std::string_view text) {
        int number = 0;
        const char* end = text.data() + text.size();
        if (text.size() > 1 && text.front() == '#' &&
            std::from_chars(text.data() + 1, end, number).ptr == end) {
            Word(kOrdinalMark);
            Word(static_cast<WORD>(number));
        } else {
            Text(Widen(text));
        }
    }
    void AlignToDword() {
        if (m_words.size() % 2 != 0) Word(0);
    }
    std::vector<WORD> Take() { return std::move(m_words); }

private:
    std::vector<WORD> m_words;
};

void WriteRect(TemplateWriter& out, const dlg::DlgRect& rect) {
    for (const int value : {rect.x, rect.y, rect.cx, rect.cy}) out.Word(static_cast<WORD>(value));
}

DWORD ExtraStyleOf(int id, std::span<const ExtraControlStyle> extra_styles) {
    const auto it = std::find_if(extra_styles.begin(), extra_styles.end(),
                                 [id](const ExtraControlStyle& extra) { return extra.id == id; });
    return it == extra_styles.end() ? 0 : it->style;
}

void WriteControl(TemplateWriter& out, const dlg::ControlTemplate& control,
                  std::span<const ExtraControlStyle> extra_styles) {
    const KindStyle kind = StyleOf(control.kind);
    out.AlignToDword();
    out.Dword(WS_CHILD | WS_VISIBLE | kind.style | ExtraStyleOf(control.id, extra_styles));
    out.Dword(0);  // no extended style
    WriteRect(out, control.rect);
    out.Word(static_cast<WORD>(control.id));  // the statics' -1 is 0xFFFF, as scripts write it
    out.Word(kOrdinalMark);
    out.Word(kind.control_class);
    out.Title(control.text);
    out.Word(0);  // no creation data
}

}  // namespace

std::vector<WORD> BuildDialogTemplate(const dlg::DialogTemplate& table, DWORD dialog_style,
                                      std::span<const ExtraControlStyle> extra_styles) {
    TemplateWriter out;
    out.Dword(dialog_style);
    out.Dword(0);  // no extended style
    out.Word(static_cast<WORD>(table.controls.size()));
    WriteRect(out, {0, 0, table.cx, table.cy});
    out.Word(0);  // no menu
    out.Word(0);  // the predefined dialog class
    out.Text(Widen(table.title));
    if (dialog_style & DS_SETFONT) {
        out.Word(kFontPoints);
        out.Text(kFontFace);
    }
    for (const dlg::ControlTemplate& control : table.controls) {
        WriteControl(out, control, extra_styles);
    }
    return out.Take();
}

}  // namespace kavel::win32
