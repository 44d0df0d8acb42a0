// Bridge request decoding and the injected script.
#include "host/browser/bridge_protocol.h"

namespace vmx::host {
namespace {

bool IsAsciiName(std::string_view text) {
  if (text.empty() || text.size() > 64) return false;
  for (char c : text) {
    bool ok =
        (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    if (!ok) return false;
  }
  return true;
}

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  }
  return out;
}

// The script keeps its own references to everything it calls while a method runs, taken before
// any page script exists, so a page that replaces XMLHttpRequest, TextEncoder or the like does
// not change what a call does. Failures throw in the page: a number returned after a failed
// request would look like a real result.
constexpr std::string_view kScriptTemplate = R"JS((function () {
  'use strict';
  var methods = @METHODS@;
  var callPrefix = '@PREFIX@';
  var apply = Reflect.apply, defineProperty = Object.defineProperty, reflectGet = Reflect.get;
  var XHR = window.XMLHttpRequest, xhrProto = XHR.prototype;
  var open = xhrProto.open, send = xhrProto.send;
  var statusOf = Object.getOwnPropertyDescriptor(xhrProto, 'status').get;
  var textOf = Object.getOwnPropertyDescriptor(xhrProto, 'responseText').get;
  var encoder = new TextEncoder(), encode = TextEncoder.prototype.encode;
  var Bytes = Uint8Array, setBytes = Uint8Array.prototype.set;
  var codeAt = String.prototype.charCodeAt, fromCode = String.fromCharCode, toText = String;
  var parse = parseInt, TypeErr = TypeError, Err = Error;

  function argument(value, name) {
    if (value === undefined) return '';
    if (value === null) throw new TypeErr(name + ': an argument is null');
    return toText(value);
  }

  function call(name, arity, args) {
    if (args.length !== arity) throw new TypeErr(name + ' takes ' + arity + ' arguments');
    var parts = [], count = 0, total = 0;
    var comma = apply(encode, encoder, [',']);
    for (var i = 0; i < arity; i++) {
      var bytes = apply(encode, encoder, [argument(args[i], name)]);
      parts[count++] = apply(encode, encoder, [bytes.length + ':']);
      parts[count++] = bytes;
      parts[count++] = comma;
      total += parts[count - 3].length + bytes.length + 1;
    }
    var body = new Bytes(total), offset = 0;
    for (var j = 0; j < count; j++) {
      apply(setBytes, body, [parts[j], offset]);
      offset += parts[j].length;
    }
    var request = new XHR();
    apply(open, request, ['POST', callPrefix + name, false]);
    apply(send, request, [body]);
    var text = apply(textOf, request, []);
    if (apply(statusOf, request, []) !== 200) throw new Err(name + ': ' + text);
    return parse(text, 10);
  }

  var functions = Object.create(null);
  Object.keys(methods).forEach(function (key) {
    var name = methods[key][0], arity = methods[key][1];
    functions[key] = function () { return call(name, arity, arguments); };
  });
  // Names match without regard to ASCII case only, as the host's table does: a Unicode-aware
  // lower-casing would let the Kelvin sign stand for "k".
  function asciiLower(text) {
    var out = '';
    for (var i = 0; i < text.length; i++) {
      var c = apply(codeAt, text, [i]);
      out += fromCode(c >= 65 && c <= 90 ? c + 32 : c);
    }
    return out;
  }
  function lookup(property) {
    if (typeof property !== 'string') return undefined;
    return functions[asciiLower(property)];
  }
  var external = new Proxy({}, {
    get: function (target, property, receiver) {
      var f = lookup(property);
      return f !== undefined ? f : reflectGet(target, property, receiver);
    },
    has: function (target, property) {
      return lookup(property) !== undefined || property in target;
    }
  });
  try {
    defineProperty(window, 'external',
                   { value: external, writable: false, enumerable: true, configurable: false });
  } catch (e) {}

  var handlers = window.webkit && window.webkit.messageHandlers;
  var complete = handlers && handlers['@COMPLETE@'];
  if (complete) {
    var post = complete.postMessage;
    window.addEventListener('load', function () { apply(post, complete, ['']); });
  }
})();
)JS";

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

}  // namespace

std::optional<BridgeCall> DecodeBridgeRequest(std::string_view uri, std::string_view body) {
  if (!uri.starts_with(kBridgeCallPrefix)) return std::nullopt;
  std::string_view method = uri.substr(kBridgeCallPrefix.size());
  if (!IsAsciiName(method)) return std::nullopt;

  BridgeCall call{std::string(method), {}};
  while (!body.empty()) {
    size_t colon = body.find(':');
    // At most 10 digits: enough for any body a page can send, and no overflow.
    if (colon == std::string_view::npos || colon == 0 || colon > 10) return std::nullopt;
    size_t length = 0;
    for (char c : body.substr(0, colon)) {
      if (c < '0' || c > '9') return std::nullopt;
      length = length * 10 + static_cast<size_t>(c - '0');
    }
    body.remove_prefix(colon + 1);
    if (length >= body.size() || body[length] != ',') return std::nullopt;
    std::string_view arg = body.substr(0, length);
    call.args.emplace_back(arg.substr(0, arg.find('\0')));
    body.remove_prefix(length + 1);
  }
  return call;
}

std::string BridgeScriptSource(std::span<const BridgeMethod> methods) {
  std::string table = "{";
  for (const BridgeMethod& m : methods) {
    if (!IsAsciiName(m.name)) continue;  // the names go into the script's text as they are
    if (table.size() > 1) table += ", ";
    table += "'" + AsciiLower(m.name) + "': ['" + std::string(m.name) + "', " +
             std::to_string(m.arity) + "]";
  }
  table += "}";
  std::string script(kScriptTemplate);
  ReplaceAll(script, "@METHODS@", table);
  ReplaceAll(script, "@PREFIX@", kBridgeCallPrefix);
  ReplaceAll(script, "@COMPLETE@", kDocumentCompleteMessage);
  return script;
}

}  // namespace vmx::host
