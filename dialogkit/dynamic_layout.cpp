#include "dialogkit/dynamic_layout.h"

#include <algorithm>
#include <cstring>

namespace dialogkit {
namespace {

constexpr wchar_t kLayoutResourceType[] = L"AFX_DIALOG_LAYOUT";

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return SIZE{client.right - client.left, client.bottom - client.top};
}

}  // namespace

std::optional<std::vector<LayoutRule>> ParseLayoutResource(const void* data, std::size_t size) {
    constexpr std::size_t kRuleBytes = 4 * sizeof(WORD);
    if (!data || size < sizeof(WORD) || (size - sizeof(WORD)) % kRuleBytes != 0) return std::nullopt;
    const auto* bytes = static_cast<const unsigned char*>(data);
    auto word = [bytes](std::size_t index) {
        WORD value;
        std::memcpy(&value, bytes + index * sizeof(WORD), sizeof(WORD));
        return std::min<int>(value, 100);
    };
    if (word(0) != 0) return std::nullopt;
    std::vector<LayoutRule> rules((size - sizeof(WORD)) / kRuleBytes);
    for (std::size_t i = 0; i < rules.size(); ++i)
        rules[i] = LayoutRule{word(1 + 4 * i), word(2 + 4 * i), word(3 + 4 * i), word(4 + 4 * i)};
    return rules;
}

std::optional<std::vector<LayoutRule>> LoadLayoutResource(HINSTANCE module, UINT templateId) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(templateId), kLayoutResourceType);
    if (!found) return std::nullopt;
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    return ParseLayoutResource(data, SizeofResource(module, found));
}

void DynamicLayout::Start(HWND dialog, const std::vector<LayoutRule>& rules) {
    dialog_ = dialog;
    startClient_ = ClientSize(dialog);
    items_.clear();
    // A dialog creates its controls in template order, each below the one before: the child order is the
    // template order.
    HWND control = GetWindow(dialog, GW_CHILD);
    for (std::size_t i = 0; control && i < rules.size(); ++i, control = GetWindow(control, GW_HWNDNEXT)) {
        RECT start{};
        GetWindowRect(control, &start);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&start), 2);
        items_.push_back(Item{control, start, rules[i]});
    }
}

void DynamicLayout::Adjust() const {
    if (!dialog_ || items_.empty()) return;
    const SIZE client = ClientSize(dialog_);
    const int dx = std::max(0, static_cast<int>(client.cx - startClient_.cx));
    const int dy = std::max(0, static_cast<int>(client.cy - startClient_.cy));
    for (const Item& item : items_) {
        if (!IsWindow(item.control)) continue;
        const int x = item.start.left + dx * item.rule.moveX / 100;
        const int y = item.start.top + dy * item.rule.moveY / 100;
        const int cx = item.start.right - item.start.left + dx * item.rule.sizeX / 100;
        const int cy = item.start.bottom - item.start.top + dy * item.rule.sizeY / 100;
        SetWindowPos(item.control, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // Group boxes and other controls that a move leaves half drawn.
    InvalidateRect(dialog_, nullptr, TRUE);
}

}  // namespace dialogkit
