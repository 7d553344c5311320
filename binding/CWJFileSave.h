#ifndef WJXML_BINDING_CWJFILESAVE_H
#define WJXML_BINDING_CWJFILESAVE_H

#include <functional>
#include <string>
#include <sys/stat.h>

class CWJWriteBuffer;

// Saves bytes under a name without ever destroying what is not the file
// being saved. Symbolic links are followed, dangling ones too: the file they
// point to is written, and the link stays. A regular file, or a new one, is
// written to a temporary file beside it (a short hidden name, so any name
// the folder allows can be saved), flushed to disk and renamed over it: a
// failed save leaves the old file as it was and no temporary file behind. A
// file the caller may not write is refused, as cp refuses it, though the
// rename would pass. A character device or a pipe is written into directly,
// as a shell redirection does (a pipe waits for its reader); a folder, a
// block device or a socket is refused.
//
// The temporary file is made without a name where the file system allows
// (O_TMPFILE) and named only once it is written, so a process killed during
// a save leaves nothing behind.
//
// The bytes are streamed: a writer appends them to a buffer that writes them
// as it fills. A file is refused as soon as it would be larger than a read
// accepts (maxBytes) or than the process may write; a device or a pipe,
// which no read takes, has no limit.
class CWJFileSave {
public:
    // Appends the bytes to the buffer, passing it as it goes (see
    // CWJWriteBuffer); it may stop once the buffer has failed.
    using Writer = std::function<void(CWJWriteBuffer&)>;

    // False, with the reason in problem, when the bytes were not saved.
    static bool save(const std::string& target, unsigned long long maxBytes, const Writer& write, std::string& problem);

private:
    static bool followLinks(const std::string& target, std::string& path, std::string& problem);
    static bool replace(const std::string& path, unsigned long long maxBytes, const Writer& write,
                        const struct stat* existing, std::string& problem);
    static bool writeInto(const std::string& path, const Writer& write, std::string& problem);
    static int createTemporary(const std::string& folder, std::string& temporary, std::string& problem);
};

#endif
