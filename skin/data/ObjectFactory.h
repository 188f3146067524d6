#pragma once
// Creates the default object of the class that a type code stands for.

#include <memory>

class SkinObject;

// Every code that has a class; nullptr for any other.
std::unique_ptr<SkinObject> CreateSkinObject(int typeCode);
bool IsTopLevelTypeCode(int typeCode);
bool IsChildTypeCode(int typeCode);
