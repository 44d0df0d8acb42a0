// The compiler runner's steps, in the order the user experiences them.
#include "host/runner/runner.h"

#include <optional>
#include <vector>

#include "host/runner/messages.h"
#include "host/runner/paths.h"
#include "host/runner/site.h"
#include "host/runner/url_decode.h"

namespace vmx::host {
namespace {

// Where failures go: the interactive form shows them, the batch form must never block on a box.
enum class Report { kErrorBox, kDebugOutput };

void ReportError(Platform& platform, Report report, std::string_view text) {
  if (report == Report::kErrorBox) {
    platform.ShowError(std::string(text));
  } else {
    platform.DebugOutput(std::string(text));
  }
}

std::string_view UpToZero(std::string_view text) { return text.substr(0, text.find('\0')); }

// The photo path the address names, once it has passed the checks; reports the failing check.
std::optional<std::string> CheckedPhotoPath(Platform& platform, Report report,
                                            std::string_view definition,
                                            std::string_view photo_address) {
  if (definition.empty()) {
    ReportError(platform, report, kErrorEmptyDefinition);
    return std::nullopt;
  }
  std::optional<std::string> path = PhotoPathFromAddress(UrlDecoded(photo_address));
  if (!path) {
    ReportError(platform, report, kErrorNotFileAddress);
    return std::nullopt;
  }
  if (path->empty() || !platform.PathExists(*path)) {
    ReportError(platform, report, kErrorNoPhoto);
    return std::nullopt;
  }
  return path;
}

struct TempFiles {
  std::string definition;
  std::string compiler;
};

// Writes the definition file and the temporary compiler. A definition file that cannot be
// written ends the compile without a message; a compiler that cannot be written is message 6.
std::optional<TempFiles> WriteTempFiles(Platform& platform, Report report,
                                        std::string_view definition) {
  std::optional<std::string> dir = platform.TempDirectory();
  if (!dir) return std::nullopt;
  TempFiles files{JoinPath(*dir, kTempDefinitionName), ""};

  // The compiler reads the file as a C string, so the terminating zero goes with it.
  std::vector<uint8_t> bytes(definition.begin(), definition.end());
  bytes.push_back(0);
  if (!platform.WriteFile(files.definition, bytes)) return std::nullopt;

  files.compiler = JoinPath(*dir, TempCompilerName(platform.TickCount()));
  if (!WriteCompilerFile(platform, files.compiler)) {
    ReportError(platform, report, kErrorCompilerNotWritten);
    return std::nullopt;
  }
  return files;
}

// Clears the output path and runs the compiler; its exit code, or nullopt when it did not start.
std::optional<int> RunCompiler(Platform& platform, const TempFiles& files,
                               const std::string& photo_path, const std::string& output_path) {
  // A stale file must not pass for the result of this compile.
  if (platform.PathExists(output_path)) platform.DeleteFile(output_path);
  return platform.RunAndWait(files.compiler,
                             {"-if", files.definition, "-ii", photo_path, "-o", output_path});
}

}  // namespace

std::string TempCompilerName(uint32_t tick_count) {
  return "vmxmk" + std::to_string(tick_count % 100) + ".exe";
}

bool WriteCompilerFile(Platform& platform, const std::string& path) {
  std::span<const uint8_t> bytes = platform.CompilerBytes();
  if (bytes.empty()) return false;
  return platform.WriteExecutable(path, bytes);
}

bool IsPhotoEditorInstalled(Platform& platform) {
  // A missing registration leaves the folder empty, so the test is made at the root.
  return platform.PathExists(JoinPath(platform.EditorInstallPath(), kEditorProgramName));
}

int32_t MakeFrame(Platform& platform, std::string_view definition, const std::string& photo_path) {
  std::optional<TempFiles> files = WriteTempFiles(platform, Report::kErrorBox, definition);
  if (!files) return -1;

  SaveDialogOptions options;
  options.filter_name = ".vmf";
  options.filter_pattern = "*.vmf";
  options.default_extension = "vmf";
  options.confirm_overwrite = true;
  std::optional<std::string> output_path = platform.AskSavePath(options);
  if (!output_path) return -1;

  std::optional<int> exit_code = RunCompiler(platform, *files, photo_path, *output_path);
  if (!exit_code || *exit_code != 0) {
    ReportError(platform, Report::kErrorBox, kErrorCompileFailed);
    return -1;
  }
  platform.DeleteFile(files->compiler);

  const std::string caption(kQuestionCaption);
  if (IsPhotoEditorInstalled(platform)) {
    // The desktop's association for ".vmf" hands the file to the editor.
    if (platform.AskYesNo(std::string(kQuestionApplyNow), caption)) {
      platform.OpenWithDefaultApp(*output_path);
    }
  } else if (platform.AskYesNo(std::string(kQuestionDownloadEditor), caption)) {
    platform.OpenWithDefaultApp(SiteAddress(platform.GetEnv(kSiteBaseVariable), kDownloadPagePath));
  }
  return 0;
}

int32_t MakeFrameBat(Platform& platform, std::string_view name, std::string_view definition,
                     const std::string& photo_path) {
  std::optional<TempFiles> files = WriteTempFiles(platform, Report::kDebugOutput, definition);
  if (!files) return -1;

  std::string output_path = JoinPath(RemoveFileSpec(photo_path), std::string(name) + ".vmf");
  std::optional<int> exit_code = RunCompiler(platform, *files, photo_path, output_path);
  if (!exit_code) {
    ReportError(platform, Report::kDebugOutput, kErrorCompileFailed);
    return -1;
  }
  // Unlike the interactive form, a batch removes the compiler even after a failed run, so a long
  // batch does not leave one behind per failure.
  platform.DeleteFile(files->compiler);
  if (*exit_code != 0) {
    ReportError(platform, Report::kDebugOutput, kErrorCompileFailed);
    return -1;
  }
  return 0;
}

int32_t FinishMake(Platform& platform, std::string_view definition,
                   std::string_view photo_address) {
  definition = UpToZero(definition);
  std::optional<std::string> photo_path =
      CheckedPhotoPath(platform, Report::kErrorBox, definition, UpToZero(photo_address));
  if (photo_path) MakeFrame(platform, definition, *photo_path);
  return 0;
}

int32_t FinishMakeBat(Platform& platform, bool batch_mode, std::string_view name,
                      std::string_view definition, std::string_view photo_address) {
  if (!batch_mode) return -1;
  definition = UpToZero(definition);
  std::optional<std::string> photo_path =
      CheckedPhotoPath(platform, Report::kDebugOutput, definition, UpToZero(photo_address));
  if (photo_path) MakeFrameBat(platform, UpToZero(name), definition, *photo_path);
  return 0;
}

}  // namespace vmx::host
