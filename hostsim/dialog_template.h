#pragma once
// A dialog template built in memory, so that a dialog needs no resource of the program that shows it (the
// test programs link hostsim's pieces without hostsim.rc). Sizes are dialog units.

#include <windows.h>

#include <string>
#include <vector>

class DialogTemplate {
public:
    // A dialog in the given font (DS_SETFONT is added to the style).
    DialogTemplate(DWORD style, short width, short height, const std::wstring& title, WORD pointSize,
                   const std::wstring& font);

    // A control of a window class named by its text ("Button", "SysListView32", ...).
    void AddControl(DWORD style, short x, short y, short width, short height, WORD id, const std::wstring& windowClass,
                    const std::wstring& text);

    // Valid until the next AddControl or the template's end.
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void PutWord(WORD value) { words_.push_back(value); }
    void PutDword(DWORD value);
    void PutText(const std::wstring& text);
    void AlignToDword();

    // WORDs keep the record's 2-byte units; the allocation itself is aligned for the DWORD the header needs.
    std::vector<WORD> words_;
};
