// CExternal: the page's external object, as a platform-free method table. The web view's bridge
// turns a script call into a method name and string arguments, and the integer result back.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "host/runner/platform.h"

namespace vmx::host {

// Dispatch ids, by position in the method table; the value for a name the table lacks.
inline constexpr int32_t kDispIdShowDialog = 1;
inline constexpr int32_t kDispIdFinishMake = 2;
inline constexpr int32_t kDispIdFinishMakeBat = 3;
inline constexpr int32_t kDispIdUnknown = -1;

enum class CallStatus {
  kOk,                  // the method ran; `result` is its value
  kUnknownMethod,       // no method of that name or id
  kWrongArgumentCount,  // the method was not run
  kNoPlatform,          // a method that needs the platform was called before Attach
  kBusy,                // a compile is already in progress (a dialog's event loop let the call in)
};

// One row of the method table: the name the page calls, its dispatch id, its argument count.
struct ExternalMethod {
  std::string_view name;
  int32_t id;
  size_t arguments;
};

struct CallOutcome {
  CallStatus status = CallStatus::kOk;
  int32_t result = 0;
};

class CExternal {
 public:
  // The one object of the process; every request for the page's external object gets this one.
  static CExternal& Shared();

  CExternal(const CExternal&) = delete;
  CExternal& operator=(const CExternal&) = delete;

  // The platform the compile methods run on, owned by the caller; nullptr detaches.
  void Attach(Platform* platform) { platform_ = platform; }

  // The process-wide batch-mode flag: set once at start-up from the command line, read by
  // "FinishMakeBat".
  void SetBatchMode(bool on) { batch_mode_ = on; }
  bool BatchMode() const { return batch_mode_; }

  // The method table, in id order; the page's bridge offers exactly these.
  static std::span<const ExternalMethod> Methods();

  // The id of a method name, matched without regard to ASCII case; kDispIdUnknown if none.
  static int32_t GetIdOfName(std::string_view name);

  // Runs the method with string arguments (UTF-8). The table's methods take exactly:
  // "ShowDialog" 2, "FinishMake" 2 (definition, photo address), "FinishMakeBat" 3 (name,
  // definition, photo address).
  CallOutcome Invoke(int32_t id, std::span<const std::string> args);
  CallOutcome Invoke(std::string_view name, std::span<const std::string> args);

 private:
  CExternal() = default;

  Platform* platform_ = nullptr;
  bool batch_mode_ = false;
  bool in_call_ = false;
};

}  // namespace vmx::host
