// The skinner class of each control kind, and the frame element class of
// each element object. Kinds and objects without a class yield null: such
// windows keep the platform's look.
#pragma once

#include <functional>
#include <memory>

#include "ControlKinds.h"

class FrameElement;
class SkinObject;
class SkinWnd;

std::unique_ptr<SkinWnd> CreateControlSkinner(ControlKind kind);

// Tests give kinds a skinner of their own; an empty function restores the
// built-in table.
using ControlSkinnerFactory = std::function<std::unique_ptr<SkinWnd>(ControlKind)>;
void SetControlSkinnerFactoryForTesting(ControlSkinnerFactory factory);
std::unique_ptr<FrameElement> CreateFrameElement(SkinWnd& owner, SkinObject& object);
