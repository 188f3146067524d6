// The recorder's parameter fields: export name stem, length on the recorder,
// read code, write code. Each row yields one Get_ and one Set_ export.
#pragma once

#define KETRO_PARAMETER_FIELDS(X)   \
    X(Psw, 6, 0x4F, 0x37)           \
    X(Psw_App, 6, 0x59, 0x63)       \
    X(Psw_Play, 6, 0x56, 0x51)      \
    X(Machine, 15, 0x4A, 0x4B)      \
    X(PoliceNumber, 16, 0x50, 0x47) \
    X(UserAdmin, 18, 0x49, 0x65)    \
    X(UserUser, 18, 0x48, 0x46)     \
    X(Police, 12, 0x43, 0x44)       \
    X(Reso, 8, 0x45, 0x52)          \
    X(Serial, 12, 0x62, 0x69)
