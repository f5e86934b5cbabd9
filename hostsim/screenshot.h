#pragma once
// A picture of a window as it is on screen. Wine in Xvfb draws no controls into PrintWindow's picture,
// so the window's rectangle is copied from the screen itself.

#include <windows.h>

#include <string>

// Saves the screen under the window's rectangle as a 24-bit BMP file; throws StepError on failure.
void SaveWindowScreenshot(HWND window, const std::wstring& path);
