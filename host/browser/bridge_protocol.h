// The wire format between the page's `window.external` and the host, and the script that makes it.
//
// WebKit has no host object a page could call synchronously, so a script injected into every
// frame defines `window.external` itself. Each method call becomes a synchronous POST to
// "trelvan-external://call/<Method>" whose body carries the arguments as UTF-8 netstrings
// ("<byte count>:<bytes>,", one per argument), and whose answer is the integer result as decimal
// text. A synchronous request really holds the page's script until the host answers, which is
// what pages written for the external object expect: they test the result right after the call.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vmx::host {

inline constexpr std::string_view kBridgeScheme = "trelvan-external";
inline constexpr std::string_view kBridgeCallPrefix = "trelvan-external://call/";

// The script message a document posts when it has completed (its window's "load" event).
inline constexpr std::string_view kDocumentCompleteMessage = "trelvanDocumentComplete";

struct BridgeMethod {
  std::string_view name;  // as the page sees it; the script matches it without regard to case
  int arity;              // the page must pass exactly this many arguments
};

struct BridgeCall {
  std::string method;  // the name from the address, as the script sent it
  std::vector<std::string> args;
};

// Decodes one request. nullopt when the address is not a call address, the method name is not a
// plain ASCII name, or the body is not a complete sequence of netstrings. An argument is cut at
// its first zero byte: the methods take zero-terminated texts, so nothing after one could reach
// them anyway.
std::optional<BridgeCall> DecodeBridgeRequest(std::string_view uri, std::string_view body);

// The text of the script injected at the start of every document in every frame: it defines
// `window.external` with `methods`, and posts kDocumentCompleteMessage on each "load".
std::string BridgeScriptSource(std::span<const BridgeMethod> methods);

}  // namespace vmx::host
