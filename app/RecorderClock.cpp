#include "RecorderClock.h"

#include <cstdio>
#include <cstring>

bool IsValidClockText(const char *text, std::size_t bufferSize) {
  if (!text) return false;
  std::size_t length = strnlen(text, bufferSize);
  if (length != 14) return false;
  for (std::size_t i = 0; i < length; ++i)
    if (text[i] < '0' || text[i] > '9') return false;
  return true;
}

std::time_t ParseClockText(const char *text, std::size_t bufferSize) {
  const char *valid = IsValidClockText(text, bufferSize) ? text : kFallbackClockText;
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  std::sscanf(valid, "%04d%02d%02d%02d%02d%02d", &year, &month, &day, &hour, &minute, &second);
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  t.tm_isdst = -1;
  return std::mktime(&t);
}
