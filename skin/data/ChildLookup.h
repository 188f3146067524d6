#pragma once
// Finding the object a skinned child window or frame element uses among an
// object's children (the child list in name order, direct children only).

class SkinObject;

// The first child of that type code, or nullptr.
SkinObject* FindChildByType(const SkinObject& parent, int typeCode);

// The first child of that type code that is a control object whose
// CONTROLID equals `controlId` (a window's id, compared as 32 bits), or
// nullptr.
SkinObject* FindChildControl(const SkinObject& parent, int typeCode, int controlId);
