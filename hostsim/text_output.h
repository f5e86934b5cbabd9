#pragma once
// hostsim's output: UTF-8 lines on standard output (the C runtime's wide printf drops Cyrillic), texts
// escaped as the script language prescribes.

#include <string>

// CR LF and a lone LF as \n, a lone CR as \r, TAB as \t; nothing else.
std::wstring EscapeText(const std::wstring& text);

// Writes one line (a line end is added) and flushes, so that a reader sees it at once.
void WriteLine(const std::wstring& line);
// The same, to standard error.
void WriteErrorLine(const std::wstring& line);
