// The desktop program's own texts: titles, menu items, the about box, the dialogs' buttons.
#pragma once

#include <string_view>

namespace vmx::host {

// The application title: caption of its error boxes.
inline constexpr std::string_view kAppTitle = "维墨幻格制作";
// Shared by the GTK application, the desktop file and the icon.
inline constexpr char kAppId[] = "org.vimox.Trelvan";

// Menus as written with "&" before the access key; MenuLabel turns them into GTK labels.
inline constexpr std::string_view kMenuFile = "文件(&F)";
inline constexpr std::string_view kMenuRefresh = "刷新";
inline constexpr std::string_view kMenuExit = "退出(&X)";
inline constexpr std::string_view kMenuHelp = "帮助(&H)";
inline constexpr std::string_view kMenuAbout = "关于 幻格制作工具(&A)...";

inline constexpr std::string_view kAboutCaption = "关于 幻格制作工具";
inline constexpr std::string_view kAboutVersion = "幻格制作 1.0 版";
inline constexpr std::string_view kAboutNotice = "为维墨图坊制作幻格场景文件";

inline constexpr std::string_view kButtonOk = "确定";
inline constexpr std::string_view kButtonYes = "是(&Y)";
inline constexpr std::string_view kButtonNo = "否(&N)";
// No access key: Alt+S already starts a search in the save dialog.
inline constexpr std::string_view kButtonSave = "保存";
inline constexpr std::string_view kButtonCancel = "取消";

inline constexpr std::string_view kSaveDialogTitle = "另存为";
inline constexpr std::string_view kOverwriteCaption = "确认另存为";
// %s: the file's name.
inline constexpr char kOverwriteQuestion[] = "%s 已存在。\n要替换它吗？";

// %s: the document file as given on the command line.
inline constexpr char kCannotOpenDocument[] = "无法打开文档 %s。";

}  // namespace vmx::host
