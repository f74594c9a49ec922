// A browser's file system: the game's folder lives in the tab's memory and
// is copied to the browser's own storage (IndexedDB) by the page's script.
#include "platform/FileCallsPosix.h"

#include <emscripten.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

namespace platform::posix {
namespace {

// The folder's files that changed go to the browser's storage, all in one
// step, once the game has handed back control; other tabs of the game then
// read them. (The script is JavaScript, kept as it is written.)
// clang-format off
EM_JS(void, keepFolderInBrowser, (), { Module.zentapKeepFolder && Module.zentapKeepFolder(); });
// clang-format on

}  // namespace

// The file lives in the tab's memory and reaches the browser's storage with
// the folder once the save is done (syncDirectory). Emscripten's fsync would
// copy the whole folder there in the middle of the save, the new file under
// its temporary name, and let the page run meanwhile.
CallFailure flush(int)
{
    return std::nullopt;
}

// A tab runs the game on one thread and its folder changes only between the
// game's own calls, so nothing can take the name between the look and the
// rename.
CallFailure renameToFreeName(const QByteArray& from, const QByteArray& to)
{
    struct stat status {};
    if (::lstat(to.constData(), &status) == 0) {
        errno = EEXIST;
        return lastError();
    }
    return failedIf(::rename(from.constData(), to.constData()) != 0);
}

CallFailure syncDirectory(const QByteArray&)
{
    keepFolderInBrowser();
    return std::nullopt;
}

}  // namespace platform::posix
