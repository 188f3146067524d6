// Diagnostic lines on the process's standard output, written as GBK bytes
// exactly as formatted (no newline translation).
#pragma once

#include <string>

void WriteStdout(const std::wstring& text);
