#pragma once
// A fresh folder of files for one test, removed with everything in it afterwards.
#include <windows.h>

#include <string>
#include <vector>

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Full path of a name inside the folder (system code page).
    std::string Path(const std::string& name) const { return path_ + "\\" + name; }
    // Writes a file with the given content and returns its full path.
    std::string File(const std::string& name, const std::string& content = "x") const;
    std::string Folder(const std::string& name) const;

  private:
    static void RemoveTree(const std::string& path);
    std::string path_;
};

// A handle that holds a file open for reading with no sharing, as another program might.
class HeldOpen {
  public:
    explicit HeldOpen(const std::string& path);
    ~HeldOpen();
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;

  private:
    HANDLE handle_;
};

// The three file times of a file, or zeros when it cannot be read.
struct FileTimes {
    ULONGLONG creation = 0, access = 0, write = 0;
    bool operator==(const FileTimes&) const = default;
};
FileTimes TimesOf(const std::string& path);
void SetTimesOf(const std::string& path, ULONGLONG all);

// A UTC file time from calendar fields.
ULONGLONG UtcFileTime(int y, int mo, int d, int h, int mi, int s);
