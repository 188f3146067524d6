#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "ResolvedImage.h"
#include "SkinFont.h"

class SkinObject;
void DrawResolvedImage(HDC dc, const RECT& dest, const ResolvedImage& piece, int drawMode,
                       COLORREF keyColour);
HRGN PieceRegion(const ResolvedImage& piece, const RECT& dest, int drawMode);
SkinObject* FindChildControl(const SkinObject& parent, int typeCode, int controlId);
HFONT CreateSkinFontW(const SkinFont& font);
std::string Cp936FromWide(std::wstring_view text);
std::wstring WideFromCp936(std::string_view bytes);
