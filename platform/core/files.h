// Files of the work directory: names resolved ignoring letter case, listing
// by pattern, the atomic save and a line reader.  Bytes pass unchanged.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// The path of name in directory: an entry spelled exactly so when there is
// one, else the first entry (in byte order) whose name matches ignoring
// letter case, else directory/name as given (for a file to be made).
// An empty directory stands for the current directory.
std::string resolvefile(const std::string& directory, const std::string& name);
// Resolves the last part of path as resolvefile does.
std::string resolvepath(const std::string& path);

// True when pattern ('*' any run, '?' one byte) matches name, ignoring
// the letter case of ASCII letters.
bool matchname(const char* pattern, const char* name);
// Names of the regular files of directory that match pattern, sorted by
// their bytes compared ignoring letter case (ties in byte order).  False
// when the directory cannot be read.
bool listfiles(const std::string& directory, const char* pattern, std::vector<std::string>& names);

// These resolve the last part of their paths first.
bool fileexists(const std::string& path);
// Size in bytes; -1 when there is no such file.
int64_t filesize(const std::string& path);
bool removefile(const std::string& path);
// Renames from to to.  Without replace an existing to is kept and the
// rename fails.  Neither may be a directory or other non-regular file.
bool renamefile(const std::string& from, const std::string& to, bool replace);

// The text of the last failure of these functions (errno's text and the
// file), for the caller's report.
const std::string& fileerror();

// Saves a file so that the old contents survive any failure: the bytes go
// to a temporary file beside the target (its name and ".XXXXXX", locked
// while the save runs), are flushed and synced, and only then replace the
// target.  A target that is a symbolic link is written through: the file
// it leads to is replaced, the link stays.  With a backup path the old file becomes the
// backup (an older backup is dropped).  Destroying an uncommitted save
// removes the temporary file and leaves the target as it was.  A target
// or backup that is not a regular file (a directory) fails the save, and
// so does a file-size limit (SIGXFSZ is ignored from the first save on).
class atomicsave {
public:
    explicit atomicsave(const std::string& path, const std::string& backup = std::string());
    ~atomicsave();
    atomicsave(const atomicsave&) = delete;
    atomicsave& operator=(const atomicsave&) = delete;

    // Null when the temporary file could not be made.
    FILE* stream() { return out; }
    bool write(const std::string& bytes) { return write(bytes.data(), bytes.size()); }
    bool write(const void* bytes, size_t n);
    // Flush, sync, backup, rename.  False (with fileerror set) when any step
    // failed; the target then holds its old contents.
    bool commit();
    // The resolved target.
    const std::string& target() const { return path; }

private:
    std::string path, backup, temp;
    FILE* out = nullptr;
    int lock = -1;   // holds the temporary file's lock until it is renamed
    bool failed = false;
};

// Removes the temporary files that saves of path left behind (a save
// killed before its end): path and ".XXXXXX", regular files that no save
// holds.  The number removed.
int removestaletemporaries(const std::string& path);

// Writes bytes as path through atomicsave.
bool savefile(const std::string& path, const std::string& bytes, const std::string& backup = std::string());
// Reads a whole file; false (with fileerror set) when it cannot be read.
bool loadfile(const std::string& path, std::string& bytes);

// Tests: every atomic save from now on fails at its commit as a full disk
// would (on) or works again (off).
void simulatesavefailure(bool on);

// Reads a text file line by line.  A line is returned without its LF and
// without one trailing CR.  A line longer than limit is cut to limit bytes
// (the rest skipped) and toolong() tells so.
class linereader {
public:
    linereader(const std::string& path, size_t limit);
    ~linereader();
    linereader(const linereader&) = delete;
    linereader& operator=(const linereader&) = delete;

    // False when the file could not be opened (fileerror tells why).
    bool opened() const { return in != nullptr; }
    // The next line; false at the end of the file or on a read error.
    bool next(std::string& line);
    bool toolong() const { return cut; }
    // True after a read error (not the end of the file).
    bool failed() const { return error; }
    // Number of the line last returned, from 1.
    int number() const { return count; }

private:
    FILE* in = nullptr;
    size_t limit;
    bool cut = false, error = false;
    int count = 0;
};
