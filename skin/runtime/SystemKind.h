// The running system as the engine's rules need it, from the packed version
// number that GetVersion reports (low byte major, next byte minor, top bit
// set on the 9x family).
#pragma once

#include <cstdint>

enum SystemKind : int {
    kSystem9xOld = 0,    // 9x family below 4
    kSystemOther = 1,    // NT family that none of the others names
    kSystem9x = 2,       // 9x 4.x other than 4.10 and 4.90
    kSystem98 = 3,       // 9x 4.10
    kSystemMe = 4,       // 9x 4.90
    kSystemNt4 = 5,      // NT 4.x
    kSystem2000 = 6,     // NT 5.0
    kSystemXp = 7,       // NT 5.1
    kSystemNtModern = 8, // NT 5.2 and later: the NT rules apply as on 5.x
};

SystemKind SystemKindFromVersion(uint32_t packedVersion);

// The scroll-bar engine and its interception run on these systems.
inline bool UsesScrollInterception(SystemKind kind) {
    return kind >= kSystemMe;
}
