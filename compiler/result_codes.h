// The compiler's result codes: every outcome is one of these, and it becomes the exit status.
#pragma once

#include <cstdint>

namespace vmx {

// Values are part of the contract with callers (the host reads exit codes, server clients read
// replies); never renumber. Codes 4, 5, 8 and 17 to 19 are unused.
enum ResultCode : int32_t {
  kOk = 0,
  kUsage = -1,
  kFileFailed = 1,        // output cannot be created or written; image cannot be opened; "quit" reply
  kJobUnreadable = 2,     // a numbered job's definition cannot be loaded
  kBadVersion = 3,        // header "version" is not 1
  kNoSocket = 6,          // the server's socket cannot be created
  kNoBind = 7,            // the server's socket cannot be bound or cannot listen
  kBadRequest = 9,        // reply to an empty or unrecognised request
  kNoImage = 10,          // the image path names nothing that exists
  kNoConfig = 11,         // the configuration file cannot be opened (ignored by the entry)
  kNoJobDirs = 12,        // input_dir or output_dir is empty
  kNoRoot = 13,           // the definition has no root element
  kNoHeader = 14,         // the root has no "header"
  kBadElements = 15,      // no "elements" / "actions", or element count outside 1..100
  kNoActions = 16,        // no action record was written
  kBadImagePath = 20,     // AdjustImageSize called without a path
};

}  // namespace vmx
