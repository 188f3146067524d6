#pragma once
// Platform font built from a SkinFont when an object is resolved. Outside
// Windows there is nothing to build and the handle stays null.

#include "SkinFont.h"

using SkinFontHandle = void*;

SkinFontHandle CreateSkinFontHandle(const SkinFont& font);
void DeleteSkinFontHandle(SkinFontHandle handle);
