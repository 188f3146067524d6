// The import's tests damage a copy between writing it and reading it back,
// to see that the read-back catches it.
#pragma once

#include "VerifiedCopy.h"

// From BREVOX_TEST_DAMAGE_COPY, which names the file ("NAME" on every
// attempt, "NAME:once" on the first only); nothing when it is unset, as in
// real use.
AfterWriteHook DamageHookFromEnvironment();
