// The compiler runner: turns the page's definition text and photo address into a frame file by
// running the carried compiler, then offers the result to the photo editor.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/runner/platform.h"

namespace vmx::host {

inline constexpr std::string_view kTempDefinitionName = "vimoxvmf.xml";
inline constexpr std::string_view kEditorProgramName = "vimox.exe";

// Arguments arrive as the page's texts; each ends at its first zero byte, as a C string would.

// The interactive form: errors in the application's error box, a save dialog for the output, and
// afterwards the offer to open the frame file. Always returns 0: the page learns nothing of the
// outcome.
int32_t FinishMake(Platform& platform, std::string_view definition, std::string_view photo_address);

// The batch form, without any dialog: the output goes beside the photo as `name` + ".vmf" and
// errors go to the debug output. Returns -1 without doing anything when `batch_mode` is off,
// otherwise 0 whatever happened.
int32_t FinishMakeBat(Platform& platform, bool batch_mode, std::string_view name,
                      std::string_view definition, std::string_view photo_address);

// The compile steps behind the two forms, once the photo path is known to exist. 0 on success,
// -1 on any failure or cancel.
int32_t MakeFrame(Platform& platform, std::string_view definition, const std::string& photo_path);
int32_t MakeFrameBat(Platform& platform, std::string_view name, std::string_view definition,
                     const std::string& photo_path);

// Writes the carried compiler to `path` as a program. false when there are no bytes to write or
// the platform could not write all of them.
bool WriteCompilerFile(Platform& platform, const std::string& path);

// true when the photo editor's program exists in its registered folder.
bool IsPhotoEditorInstalled(Platform& platform);

// The temporary compiler's name for a tick count: "vmxmk0.exe" to "vmxmk99.exe".
std::string TempCompilerName(uint32_t tick_count);

}  // namespace vmx::host
