// Platform: every operating-system operation the compiler runner needs, behind one interface.
//
// The runner's decisions (address decoding, file names, argument vector, exit-code judgement, what
// to offer the user) are platform-free and tested against a recording fake; the desktop program
// supplies the real operations. PosixPlatform (posix_platform.h) implements the file, process,
// settings and debug operations; the desktop layer derives from it and adds the dialogs and the
// desktop's "open".
//
// All texts are UTF-8. Paths use "/" as separator.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vmx::host {

// How the runner wants the save dialog to behave; the dialog itself belongs to the platform.
struct SaveDialogOptions {
  std::string filter_name;        // the filter entry's text shown to the user
  std::string filter_pattern;     // the filter entry's glob pattern
  std::string default_extension;  // without the dot; appended when the typed name has no extension
                                  // (before the overwrite question, so the question names the
                                  // file that will really be written)
  bool confirm_overwrite = true;  // ask before an existing file is chosen
};

class Platform {
 public:
  virtual ~Platform() = default;

  // ---- Files, processes, settings, debug output (PosixPlatform implements these) ----

  // The directory for the runner's temporary files, without a trailing separator. It must be
  // private to the current user (a directory, not a symbolic link, owned by the user, no access
  // for group or others), checked before every use: the runner writes fixed names there and then
  // executes one of them, so a folder other users can write to would let them swap the program.
  // nullopt when no such directory can be found or created.
  virtual std::optional<std::string> TempDirectory() = 0;

  // A millisecond counter that may wrap; the runner uses only its remainder modulo 100.
  virtual uint32_t TickCount() = 0;

  // The compiler program carried inside the host, byte for byte. Valid as long as the platform.
  // Empty when the host carries none.
  virtual std::span<const uint8_t> CompilerBytes() = 0;

  // Creates the file, or empties an existing one, and writes exactly `bytes` (no line-end
  // conversion). true only when every byte was written and the file was closed without error.
  virtual bool WriteFile(const std::string& path, std::span<const uint8_t> bytes) = 0;

  // As WriteFile, for a program about to be run: afterwards the file holds exactly `bytes`
  // (a longer old file is cut), has mode 0700, and no descriptor of it is open in this process
  // (an open writer makes exec fail with ETXTBSY). true only when all of that holds.
  virtual bool WriteExecutable(const std::string& path, std::span<const uint8_t> bytes) = 0;

  // true when a file or directory exists at `path`; false for an empty path.
  virtual bool PathExists(const std::string& path) = 0;

  // Removes the file at `path`. The runner does not examine the outcome.
  virtual void DeleteFile(const std::string& path) = 0;

  // Starts `program` as a separate process with exactly these arguments (the child's argv[0] is
  // `program`, followed by `args`; no shell, no splitting of texts), without a window, and waits
  // with no time limit until it has ended. The child inherits the standard streams. Returns its
  // exit status (a nonzero value when it was killed by a signal), or nullopt when it could not be
  // started at all.
  virtual std::optional<int> RunAndWait(const std::string& program,
                                        const std::vector<std::string>& args) = 0;

  // The folder the photo editor is installed in, as registered in the user's settings file
  // ("Install Path"); "" when the file, the section or the value is missing.
  virtual std::string EditorInstallPath() = 0;

  // The value of an environment variable; nullopt when it is not set.
  virtual std::optional<std::string> GetEnv(const std::string& name) = 0;

  // Writes one diagnostic line (the text carries no line end) where a developer can see it.
  virtual void DebugOutput(const std::string& text) = 0;

  // ---- Desktop operations (the desktop layer implements these) ----

  // Opens a file with the program the desktop associates with its type, or an address in the
  // default browser. Does not wait for that program; the runner does not examine the outcome.
  virtual void OpenWithDefaultApp(const std::string& file_or_address) = 0;

  // A modal question with the buttons Yes and No, no icon, `caption` as its title. It is modal to
  // the main window, so the page's menu stays out of reach while its call waits. true for Yes;
  // closing the box any other way counts as No.
  virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;

  // The application's error box: one OK button, a warning icon, the application title as its
  // caption, modal to the main window. Returns when the user has dismissed it.
  virtual void ShowError(const std::string& text) = 0;

  // A modal save dialog over the main window, with no initial file name. Returns the full path of
  // the file the user confirmed (default extension already applied), or nullopt when cancelled.
  virtual std::optional<std::string> AskSavePath(const SaveDialogOptions& options) = 0;
};

}  // namespace vmx::host
