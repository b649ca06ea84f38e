#pragma once
// Writes a file so that the old one survives any failure: the bytes go to a new temporary file in
// the target's folder, and only commit() renames it over the target, in one step that the file
// system makes atomic. A stream destroyed without a successful commit removes its temporary file
// and leaves the target exactly as it was (or absent, when it did not exist).
//
// The temporary file is named after the target plus ".tmp" and six random characters, so it
// never carries the target's extension while it exists.

#include "orvo/Core/String.h"
#include "orvo/Streams/OutputStream.h"

#include <cstdio>
#include <string>

namespace Orvo {

class ReplacingFileOutputStream : public OutputStream {
public:
    // Creates the temporary file; throws OperationFailedException with the system's text when
    // the folder cannot take it, or when a_path is not valid UTF-16.
    explicit ReplacingFileOutputStream(const WString& a_path);
    ~ReplacingFileOutputStream() override;

    // Flushes and syncs the temporary file, gives it the permissions of the file it replaces (a
    // new file gets the usual ones), and renames it over the target. Throws
    // OperationFailedException when any step fails; the target is then untouched. Writing after
    // a commit fails.
    void commit();
    // Throws OperationFailedException when the runtime reports a failure.
    void flush() override;

    const WString& get_path() const noexcept { return m_path; }
    // Empty once committed or discarded.
    const std::string& get_temporary_path() const noexcept { return m_temporary; }

protected:
    unsigned do_write(unsigned a_bytes, const void* a_buffer) override;

private:
    void p_discard() noexcept;

    WString m_path;
    std::string m_target;
    std::string m_temporary;
    std::FILE* m_handle = nullptr;
};

} // namespace Orvo
