#include "Fields.h"

#include <iterator>

#include "ketro_dll.h"

namespace ketro_tool {

namespace {

const Field kFields[] = {
    {"psw", KETRO_LEN_PSW, Get_Psw, Set_Psw},
    {"psw-app", KETRO_LEN_PSW, Get_Psw_App, Set_Psw_App},
    {"psw-play", KETRO_LEN_PSW, Get_Psw_Play, Set_Psw_Play},
    {"machine", KETRO_LEN_MACHINE, Get_Machine, Set_Machine},
    {"police-number", KETRO_LEN_POLICE_NUMBER, Get_PoliceNumber, Set_PoliceNumber},
    {"user-admin", KETRO_LEN_USER_ADMIN, Get_UserAdmin, Set_UserAdmin},
    {"user-user", KETRO_LEN_USER_USER, Get_UserUser, Set_UserUser},
    {"police", KETRO_LEN_POLICE, Get_Police, Set_Police},
    {"reso", KETRO_LEN_RESO, Get_Reso, Set_Reso},
    {"serial", KETRO_LEN_SERIAL, Get_Serial, Set_Serial},
    {"version", KETRO_LEN_VERSION, Get_Version, nullptr},
    {"sdremain", KETRO_LEN_SDREMAIN, Get_SDremain, nullptr},
};

} // namespace

const Field* FieldsBegin() {
    return std::begin(kFields);
}
const Field* FieldsEnd() {
    return std::end(kFields);
}

const Field* FindField(std::string_view name) {
    for (const Field& f : kFields)
        if (name == f.name) return &f;
    return nullptr;
}

} // namespace ketro_tool
