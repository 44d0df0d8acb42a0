// The external object's method table and dispatch.
#include "host/external/external.h"

#include "host/runner/ascii.h"
#include "host/runner/runner.h"

namespace vmx::host {
namespace {

constexpr ExternalMethod kMethods[] = {
    {"ShowDialog", kDispIdShowDialog, 2},
    {"FinishMake", kDispIdFinishMake, 2},
    {"FinishMakeBat", kDispIdFinishMakeBat, 3},
};

const ExternalMethod* FindMethod(int32_t id) {
  for (const ExternalMethod& method : kMethods) {
    if (method.id == id) return &method;
  }
  return nullptr;
}

// Marks a compile in progress for the span of one call.
class CallGuard {
 public:
  explicit CallGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~CallGuard() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

CExternal& CExternal::Shared() {
  static CExternal instance;
  return instance;
}

int32_t CExternal::GetIdOfName(std::string_view name) {
  for (const ExternalMethod& method : kMethods) {
    if (EqualsIgnoringAsciiCase(method.name, name)) return method.id;
  }
  return kDispIdUnknown;
}

std::span<const ExternalMethod> CExternal::Methods() { return kMethods; }

CallOutcome CExternal::Invoke(std::string_view name, std::span<const std::string> args) {
  return Invoke(GetIdOfName(name), args);
}

CallOutcome CExternal::Invoke(int32_t id, std::span<const std::string> args) {
  const ExternalMethod* method = FindMethod(id);
  if (!method) return {CallStatus::kUnknownMethod, 0};
  if (args.size() != method->arguments) return {CallStatus::kWrongArgumentCount, 0};

  switch (id) {
    case kDispIdShowDialog:
      return {CallStatus::kOk, 0};
    case kDispIdFinishMakeBat:
      // Outside batch mode the answer needs neither the platform nor the arguments.
      if (!batch_mode_) return {CallStatus::kOk, -1};
      break;
    default:
      break;
  }
  if (!platform_) return {CallStatus::kNoPlatform, 0};
  // The dialogs of a compile run an event loop, through which the page could call again; only one
  // compile may use the fixed temporary names at a time.
  if (in_call_) return {CallStatus::kBusy, 0};
  CallGuard guard(in_call_);

  if (id == kDispIdFinishMake) return {CallStatus::kOk, FinishMake(*platform_, args[0], args[1])};
  return {CallStatus::kOk, FinishMakeBat(*platform_, batch_mode_, args[0], args[1], args[2])};
}

}  // namespace vmx::host
