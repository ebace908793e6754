#pragma once
// Writes the stamp moment into dropped files as their creation, last-access and last-write time.
#include <windows.h>

#include <cstdint>

#include "framework/exceptions.h"
#include "framework/string_list.h"
#include "stamp/picker.h"

// The stamp moment lies outside what a packed file date can hold.
class EStampRangeError : public Exception {
    using Exception::Exception;
};

// The times of an opened file could not be written.
class EFileTimeError : public Exception {
    using Exception::Exception;
};

// Sets all three times of an open file to a packed local date. The local time is turned into
// UTC with the offset that applies at that date itself, daylight saving included. Returns 0, or
// the system's error code of the step that failed.
DWORD SetAllFileTimes(HANDLE file, std::uint32_t packedDate);

using FileTimeWriter = DWORD (*)(HANDLE file, std::uint32_t packedDate);

// Composes the stamp moment from the two pickers and stamps the files in list order. Stops with
// an error at the first file that cannot be opened for reading and writing or whose times cannot
// be set; files before it keep their new times.
void StampFiles(const TStrings& files, const TDateTimePicker& datePicker,
                TDateTimePicker& timePicker, FileTimeWriter writeTimes = SetAllFileTimes);
