#pragma once
// The dynamic layout of a dialog template: when the dialog's client area grows, each control moves and
// grows by its percentages of the growth. The percentages are data beside the template: a resource of type
// "AFX_DIALOG_LAYOUT" with the template's id, holding the WORD 0 and then four WORDs per control in template
// order (move x, move y, size x, size y, each 0 to 100). Controls beyond the list stay where they are.

#include <windows.h>

#include <cstddef>
#include <optional>
#include <vector>

namespace dialogkit {

// Percentages of the client area's growth by which one control moves and grows.
struct LayoutRule {
    int moveX = 0;
    int moveY = 0;
    int sizeX = 0;
    int sizeY = 0;
};

// The rules of the resource data; none when the data is not of version 0 or not a whole number of rules.
// Percentages above 100 count as 100.
std::optional<std::vector<LayoutRule>> ParseLayoutResource(const void* data, std::size_t size);

// The layout resource of a template in module; none when the template has none or it is malformed.
std::optional<std::vector<LayoutRule>> LoadLayoutResource(HINSTANCE module, UINT templateId);

class DynamicLayout {
public:
    // Records the client size of the dialog and the rectangle of each of its controls (template order) as the
    // start; the rules apply to the controls in that order.
    void Start(HWND dialog, const std::vector<LayoutRule>& rules);
    // Places every control for the dialog's current client size; a client area smaller than at the start
    // counts as the start size, so that no control goes above or left of its template place.
    void Adjust() const;
    bool IsActive() const noexcept { return dialog_ != nullptr; }

private:
    struct Item {
        HWND control;
        RECT start;
        LayoutRule rule;
    };
    HWND dialog_ = nullptr;
    SIZE startClient_{};
    std::vector<Item> items_;
};

}  // namespace dialogkit
