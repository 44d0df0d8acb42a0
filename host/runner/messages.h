// The runner's own texts: the numbered error messages and the two questions after a compile.
#pragma once

#include <string_view>

namespace vmx::host {

// There is no message 4; the numbers are what users quote in reports, so they never move.
inline constexpr std::string_view kErrorEmptyDefinition = "场景制作产生错误 1!";
inline constexpr std::string_view kErrorNotFileAddress = "场景制作产生错误 2!";
inline constexpr std::string_view kErrorNoPhoto = "场景制作产生错误 3!";
inline constexpr std::string_view kErrorCompileFailed = "场景制作产生错误 5!";
inline constexpr std::string_view kErrorCompilerNotWritten = "场景制作产生错误 6!";

inline constexpr std::string_view kQuestionCaption = "提示";
inline constexpr std::string_view kQuestionApplyNow = "幻格制作完成，您是否要立即应用此场景？";
inline constexpr std::string_view kQuestionDownloadEditor =
    "幻格制作完成！但您的机器没有安装维墨图坊，您是否要立即下载维墨图坊并应用场景？";

}  // namespace vmx::host
