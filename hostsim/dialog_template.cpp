#include "hostsim/dialog_template.h"

namespace {

// Where the header keeps its item count: after the style and extended style.
constexpr size_t kCountIndex = 4;

}  // namespace

DialogTemplate::DialogTemplate(DWORD style, short width, short height, const std::wstring& title, WORD pointSize,
                               const std::wstring& font) {
    PutDword(style | DS_SETFONT);
    PutDword(0);
    PutWord(0);  // item count, raised by AddControl
    for (short value : {short{0}, short{0}, width, height}) PutWord(static_cast<WORD>(value));
    PutWord(0);  // no menu
    PutWord(0);  // the predefined dialog class
    PutText(title);
    PutWord(pointSize);
    PutText(font);
}

void DialogTemplate::AddControl(DWORD style, short x, short y, short width, short height, WORD id,
                                const std::wstring& windowClass, const std::wstring& text) {
    AlignToDword();
    PutDword(style | WS_CHILD | WS_VISIBLE);
    PutDword(0);
    for (short value : {x, y, width, height}) PutWord(static_cast<WORD>(value));
    PutWord(id);
    PutText(windowClass);
    PutText(text);
    PutWord(0);  // no creation data
    ++words_[kCountIndex];
}

void DialogTemplate::PutDword(DWORD value) {
    PutWord(LOWORD(value));
    PutWord(HIWORD(value));
}

void DialogTemplate::PutText(const std::wstring& text) {
    words_.insert(words_.end(), text.begin(), text.end());
    PutWord(0);
}

void DialogTemplate::AlignToDword() {
    if (words_.size() % 2 != 0) PutWord(0);
}
