// The one document: which file the command line names for it, its title and the window caption.
//
// The document stores nothing. Its only visible trace is the main window's caption, and the only
// failure it can cause is a named file that cannot be read, which ends start-up.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vmx::host {

inline constexpr std::string_view kNewDocumentTitle = "幻格制作工具";
inline constexpr std::string_view kFrameTitle = "维墨图坊";

// The file the command line names as the document: the first argument that is neither empty nor
// a switch. Only "-" introduces a switch here ("/" begins an absolute path), and every switch,
// "-bat" included, stands alone, so the page after "-bat" is also the document file. nullopt
// for a new, untitled document.
std::optional<std::string> DocumentFileArgument(std::span<const std::string> args);

// A new document's title, or the file name (without folder) of the opened one.
std::string DocumentTitle(const std::optional<std::string>& file);

// The main window's caption: the document title, " - ", the frame title.
std::string WindowCaption(std::string_view document_title);

}  // namespace vmx::host
