#include "stamp/file_stamper.h"

#include "framework/file_stream.h"
#include "framework/system_error.h"

DWORD SetAllFileTimes(HANDLE file, std::uint32_t packedDate) {
    // Some implementations of DosDateTimeToFileTime accept a day 0 or a month 13 and yield a
    // time nobody asked for; such a value sets nothing.
    if (!IsValidPackedFileDate(packedDate))
        return ERROR_INVALID_PARAMETER;
    FILETIME local, utc;
    SYSTEMTIME localParts, utcParts;
    if (!::DosDateTimeToFileTime(HIWORD(packedDate), LOWORD(packedDate), &local) ||
        !::FileTimeToSystemTime(&local, &localParts) ||
        !::TzSpecificLocalTimeToSystemTime(nullptr, &localParts, &utcParts) ||
        !::SystemTimeToFileTime(&utcParts, &utc) || !::SetFileTime(file, &utc, &utc, &utc)) {
        return ::GetLastError();
    }
    return 0;
}

void StampFiles(const TStrings& files, const TDateTimePicker& datePicker,
                TDateTimePicker& timePicker, FileTimeWriter writeTimes) {
    const std::uint32_t packed = PackFileDate(ComposeStampMoment(datePicker, timePicker));
    // Checked before any file is opened, so that no drop seems to succeed while setting nothing.
    if (packed == 0) {
        throw EStampRangeError(
            "ファイルの日付に設定できるのは 1980/01/01 から 2107/12/31 までの日時です");
    }
    for (int i = 0; i < files.Count(); ++i) {
        TFileStream file(files[i], fmOpenReadWrite);
        if (const DWORD code = writeTimes(file.Handle(), packed)) {
            throw EFileTimeError(FileErrorMessage(files[i], code, "の日付を設定できません"));
        }
    }
}
