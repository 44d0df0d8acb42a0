// The per-user private directory for the runner's temporary files.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

#include "host/runner/env.h"

namespace vmx::host {

// The runner writes fixed names ("vimoxvmf.xml", "vmxmkN.exe") and then executes one of them, so
// the folder must be one that no other user can write to or swap:
//   1. "$XDG_RUNTIME_DIR/vimox", when $XDG_RUNTIME_DIR is an absolute path to a directory owned by
//      `uid` with no access for group or others;
//   2. else "<$TMPDIR or /tmp>/vimox-<uid>" ($TMPDIR only when absolute).
// The folder is created with mode 0700 when missing and checked every time: a real directory (not
// a symbolic link), owned by `uid`, no access for group or others, inside a parent that others
// cannot rename it out of. A folder that fails the check is never used or repaired: someone else
// may have made it. nullopt when neither candidate passes.
std::optional<std::string> PrivateTempDir(const EnvLookup& env, uid_t uid);

}  // namespace vmx::host
