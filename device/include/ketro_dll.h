/* ketro_dll: access to the body-worn recorder over USB.
 *
 * Every export performs one complete exchange with the recorder named by
 * `recorder_id` (its USB serial string, at most 99 characters plus NUL) and
 * keeps nothing open. Results are one byte: 1 success, 0 failure. Text reads
 * write exactly the field's length followed by a NUL; writes read exactly
 * the field's length from the caller's value, so pad short values with NULs.
 * Field bytes are code page 936 (GBK); the library does not interpret them. */
#ifndef KETRO_DLL_H
#define KETRO_DLL_H

#ifndef __cplusplus
#include <stdbool.h>
#endif

#if defined(_WIN32)
#define KETRO_API
#else
#define KETRO_API __attribute__((visibility("default")))
#endif

#define KETRO_SERIAL_SLOT_SIZE 100
#define KETRO_MAX_RECORDERS 20

/* Field lengths on the recorder; read buffers need one byte more. */
#define KETRO_LEN_PSW 6
#define KETRO_LEN_MACHINE 15
#define KETRO_LEN_POLICE_NUMBER 16
#define KETRO_LEN_USER_ADMIN 18
#define KETRO_LEN_USER_USER 18
#define KETRO_LEN_POLICE 12
#define KETRO_LEN_RESO 8
#define KETRO_LEN_SERIAL 12
#define KETRO_LEN_VERSION 11
#define KETRO_LEN_SDREMAIN 14
#define KETRO_LEN_MACTIME 14

#ifdef __cplusplus
extern "C" {
#endif

/* Discovery. */
KETRO_API bool Ketro_Connect(char* recorder_id);
KETRO_API bool Ketro_Connect_All(char* slots /* 20 x 100 bytes */);

/* Parameter fields. */
KETRO_API bool Get_Psw(char* buf, const char* recorder_id);
KETRO_API bool Set_Psw(const char* value, const char* recorder_id);
KETRO_API bool Get_Psw_App(char* buf, const char* recorder_id);
KETRO_API bool Set_Psw_App(const char* value, const char* recorder_id);
KETRO_API bool Get_Psw_Play(char* buf, const char* recorder_id);
KETRO_API bool Set_Psw_Play(const char* value, const char* recorder_id);
KETRO_API bool Get_Machine(char* buf, const char* recorder_id);
KETRO_API bool Set_Machine(const char* value, const char* recorder_id);
KETRO_API bool Get_PoliceNumber(char* buf, const char* recorder_id);
KETRO_API bool Set_PoliceNumber(const char* value, const char* recorder_id);
KETRO_API bool Get_UserAdmin(char* buf, const char* recorder_id);
KETRO_API bool Set_UserAdmin(const char* value, const char* recorder_id);
KETRO_API bool Get_UserUser(char* buf, const char* recorder_id);
KETRO_API bool Set_UserUser(const char* value, const char* recorder_id);
KETRO_API bool Get_Police(char* buf, const char* recorder_id);
KETRO_API bool Set_Police(const char* value, const char* recorder_id);
KETRO_API bool Get_Reso(char* buf, const char* recorder_id);
KETRO_API bool Set_Reso(const char* value, const char* recorder_id);
KETRO_API bool Get_Serial(char* buf, const char* recorder_id);
KETRO_API bool Set_Serial(const char* value, const char* recorder_id);

/* Device control. */
KETRO_API bool Get_Version(char* buf, const char* recorder_id);
KETRO_API bool Get_SDremain(char* buf, const char* recorder_id);
KETRO_API bool Get_MacTime(char* buf, const char* recorder_id);
KETRO_API bool Time_sync(const char* recorder_id);
KETRO_API bool Msdc(const char* recorder_id);
KETRO_API bool Msdc_ROnly(const char* recorder_id);
KETRO_API bool format(const char* recorder_id);
KETRO_API bool Reset_Param(const char* recorder_id);

#ifdef __cplusplus
}
#endif

#endif /* KETRO_DLL_H */
