#include "platform/core/files.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

static thread_local std::string lasterror;
static std::atomic<bool> savefault{false};

const std::string& fileerror()
{
    return lasterror;
}

static bool fail(const char* what, const std::string& path)
{
    lasterror = std::string(what) + " " + path + ": " + std::strerror(errno);
    return false;
}

static int lower(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

static bool samenocase(const char* a, const char* b)
{
    while (*a && lower(*a) == lower(*b))
        ++a, ++b;
    return *a == *b;
}

static std::string joinpath(const std::string& directory, const std::string& name)
{
    if (directory.empty() || directory == ".")
        return name;
    return directory.back() == '/' ? directory + name : directory + "/" + name;
}

std::string resolvefile(const std::string& directory, const std::string& name)
{
    std::string exact = joinpath(directory, name);
    struct stat st;
    if (lstat(exact.c_str(), &st) == 0)
        return exact;
    DIR* dir = opendir(directory.empty() ? "." : directory.c_str());
    if (!dir)
        return exact;
    std::string best;
    while (dirent* entry = readdir(dir))
        if (samenocase(entry->d_name, name.c_str()) && (best.empty() || best > entry->d_name))
            best = entry->d_name;
    closedir(dir);
    return best.empty() ? exact : joinpath(directory, best);
}

std::string resolvepath(const std::string& path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return resolvefile(std::string(), path);
    std::string directory = slash == 0 ? std::string("/") : path.substr(0, slash);
    return resolvefile(directory, path.substr(slash + 1));
}

bool matchname(const char* pattern, const char* name)
{
    // Iterative match with one backtrack point for the last '*'.
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*name) {
        if (*pattern == '*') {
            star = pattern++;
            resume = name;
        } else if (*pattern == '?' || (*pattern && lower(*pattern) == lower(*name))) {
            ++pattern, ++name;
        } else if (star) {
            pattern = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*pattern == '*')
        ++pattern;
    return *pattern == 0;
}

static bool lessnocase(const std::string& a, const std::string& b)
{
    bool less = std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return lower(x) < lower(y); });
    bool greater = std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
        [](char x, char y) { return lower(x) < lower(y); });
    return less || (!greater && a < b);
}

bool listfiles(const std::string& directory, const char* pattern, std::vector<std::string>& names)
{
    names.clear();
    std::string dirpath = directory.empty() ? "." : directory;
    DIR* dir = opendir(dirpath.c_str());
    if (!dir)
        return fail("cannot read directory", dirpath);
    while (dirent* entry = readdir(dir)) {
        if (!matchname(pattern, entry->d_name))
            continue;
        struct stat st;
        if (stat(joinpath(directory, entry->d_name).c_str(), &st) == 0 && S_ISREG(st.st_mode))
            names.push_back(entry->d_name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end(), lessnocase);
    return true;
}

bool fileexists(const std::string& path)
{
    struct stat st;
    return stat(resolvepath(path).c_str(), &st) == 0;
}

int64_t filesize(const std::string& path)
{
    struct stat st;
    if (stat(resolvepath(path).c_str(), &st) != 0)
        return -1;
    return int64_t(st.st_size);
}

bool removefile(const std::string& path)
{
    std::string real = resolvepath(path);
    return unlink(real.c_str()) == 0 || fail("cannot remove", real);
}

// Only regular files are renamed or replaced: a directory that took a
// file's name is not the file, and moving it aside would lose it.
static bool regularorabsent(const std::string& path, const char* what)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode))
        return true;
    errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    return fail(what, path);
}

bool renamefile(const std::string& from, const std::string& to, bool replace)
{
    std::string source = resolvepath(from);
    std::string target = resolvepath(to);
    if (!regularorabsent(source, "cannot rename") || !regularorabsent(target, "cannot rename to"))
        return false;
    if (replace)
        return rename(source.c_str(), target.c_str()) == 0 || fail("cannot rename to", target);
    // A hard link refuses an existing target; then the old name goes.
    // Where links are not supported, check and rename.
    if (link(source.c_str(), target.c_str()) == 0) {
        unlink(source.c_str());
        return true;
    }
    if (errno == EEXIST)
        return fail("cannot rename to", target);
    struct stat st;
    if (lstat(target.c_str(), &st) == 0) {
        errno = EEXIST;
        return fail("cannot rename to", target);
    }
    return rename(source.c_str(), target.c_str()) == 0 || fail("cannot rename to", target);
}

void simulatesavefailure(bool on)
{
    savefault = on;
}

// A file-size limit would kill the process with SIGXFSZ in the middle
// of a save; ignored, the write fails with EFBIG and the save reports it.
static void ignorefilesizesignal()
{
    static std::once_flag once;
    std::call_once(once, [] { std::signal(SIGXFSZ, SIG_IGN); });
}

// The file that path leads to through symbolic links; path itself when
// it is no link.  Empty (with the error set) for a loop of links.
static std::string linktarget(const std::string& path)
{
    std::string at = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return at;
        std::vector<char> target(size_t(std::max<off_t>(st.st_size, 255)) + 1);
        ssize_t n = readlink(at.c_str(), target.data(), target.size());
        if (n <= 0 || size_t(n) >= target.size())
            return at;
        std::string next(target.data(), size_t(n));
        size_t slash = at.rfind('/');
        at = next[0] == '/' || slash == std::string::npos ? next : at.substr(0, slash + 1) + next;
    }
    errno = ELOOP;
    fail("cannot follow the links of", path);
    return std::string();
}

atomicsave::atomicsave(const std::string& file, const std::string& backupfile)
    : path(linktarget(resolvepath(file))), backup(backupfile.empty() ? backupfile : resolvepath(backupfile))
{
    ignorefilesizesignal();
    if (path.empty())
        return;
    std::string pattern = path + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back(0);
    int fd = mkstemp(name.data());
    if (fd < 0) {
        fail("cannot create a file beside", path);
        return;
    }
    temp = name.data();
    // The lock tells removestaletemporaries that this save still runs.
    lock = dup(fd);
    if (lock >= 0)
        flock(lock, LOCK_EX);
    // Keep the old file's permissions when there is one.
    struct stat st;
    fchmod(fd, stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0644);
    out = fdopen(fd, "wb");
    if (!out) {
        fail("cannot write", temp);
        close(fd);
        unlink(temp.c_str());
        temp.clear();
    }
}

atomicsave::~atomicsave()
{
    if (out)
        fclose(out);
    if (!temp.empty())
        unlink(temp.c_str());
    if (lock >= 0)
        close(lock);
}

bool atomicsave::write(const void* bytes, size_t n)
{
    if (!out)
        return false;
    if (!failed && std::fwrite(bytes, 1, n, out) != n) {
        failed = true;
        fail("cannot write", path);
    }
    return !failed;
}

static bool keepbackup(const std::string& path, const std::string& backup)
{
    struct stat st;
    if (backup.empty() || backup == path || stat(path.c_str(), &st) != 0)
        return true;
    if (!regularorabsent(backup, "cannot replace"))
        return false;
    if (unlink(backup.c_str()) != 0 && errno != ENOENT)
        return fail("cannot remove", backup);
    // A link keeps the old file in place until the new one replaces it;
    // where links are not supported the old file moves, and to another
    // file system (a state file that links there) it is copied.
    if (link(path.c_str(), backup.c_str()) == 0 || rename(path.c_str(), backup.c_str()) == 0)
        return true;
    std::string old;
    if (errno == EXDEV && loadfile(path, old) && savefile(backup, old))
        return true;
    return fail("cannot make the backup", backup);
}

// Makes the rename durable.
static void syncdirectory(const std::string& path)
{
    size_t slash = path.rfind('/');
    std::string directory = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

bool atomicsave::commit()
{
    if (!out)
        return false;
    bool ok = !failed && std::fflush(out) == 0 && !std::ferror(out);
    if (ok && savefault) {
        errno = ENOSPC;
        ok = false;
    }
    ok = ok && fsync(fileno(out)) == 0;
    int closed = std::fclose(out);
    out = nullptr;
    if (!ok || closed != 0)
        return fail("cannot write", path);
    if (!regularorabsent(path, "cannot replace") || !keepbackup(path, backup))
        return false;
    if (rename(temp.c_str(), path.c_str()) != 0)
        return fail("cannot replace", path);
    temp.clear();
    close(lock);
    lock = -1;
    syncdirectory(path);
    return true;
}

// Whether name is base, a dot and six letters or digits (mkstemp's
// pattern).
static bool istemporary(const std::string& name, const std::string& base)
{
    if (name.size() != base.size() + 7 || name.compare(0, base.size(), base) != 0 || name[base.size()] != '.')
        return false;
    return std::all_of(name.begin() + long(base.size()) + 1, name.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

// A regular file whose lock no save holds.
static bool abandoned(const std::string& path)
{
    int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    bool free = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0;
    close(fd);
    return free;
}

int removestaletemporaries(const std::string& path)
{
    std::string target = linktarget(resolvepath(path));
    if (target.empty())
        return 0;
    size_t slash = target.rfind('/');
    std::string directory = slash == std::string::npos ? std::string() : target.substr(0, slash == 0 ? 1 : slash);
    std::string base = target.substr(slash == std::string::npos ? 0 : slash + 1);
    DIR* dir = opendir(directory.empty() ? "." : directory.c_str());
    if (!dir)
        return 0;
    int removed = 0;
    while (dirent* entry = readdir(dir)) {
        std::string file = joinpath(directory, entry->d_name);
        if (istemporary(entry->d_name, base) && abandoned(file) && unlink(file.c_str()) == 0)
            ++removed;
    }
    closedir(dir);
    return removed;
}

bool savefile(const std::string& path, const std::string& bytes, const std::string& backup)
{
    atomicsave save(path, backup);
    return save.write(bytes) && save.commit();
}

bool loadfile(const std::string& path, std::string& bytes)
{
    std::string real = resolvepath(path);
    FILE* in = std::fopen(real.c_str(), "rb");
    if (!in)
        return fail("cannot open", real);
    bytes.clear();
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0)
        bytes.append(buffer, n);
    bool ok = !std::ferror(in);
    std::fclose(in);
    return ok || fail("cannot read", real);
}

linereader::linereader(const std::string& path, size_t maxline) : limit(maxline)
{
    std::string real = resolvepath(path);
    in = std::fopen(real.c_str(), "rb");
    if (!in)
        fail("cannot open", real);
}

linereader::~linereader()
{
    if (in)
        std::fclose(in);
}

bool linereader::next(std::string& line)
{
    line.clear();
    cut = false;
    if (!in || error)
        return false;
    int c;
    bool any = false;
    while ((c = getc(in)) != EOF) {
        any = true;
        if (c == '\n')
            break;
        if (line.size() <= limit)
            line.push_back(char(c));
    }
    if (c == EOF && std::ferror(in)) {
        error = true;
        lasterror = std::string("read error: ") + std::strerror(errno);
        return false;
    }
    if (!any)
        return false;
    if (!line.empty() && line.back() == '\r' && line.size() <= limit)
        line.pop_back();
    if (line.size() > limit) {
        // One byte past the limit was kept to see a CR that ends the line.
        if (!(line.size() == limit + 1 && line.back() == '\r'))
            cut = true;
        line.resize(limit);
    }
    ++count;
    return true;
}
