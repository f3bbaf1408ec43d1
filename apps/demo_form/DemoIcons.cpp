#include "demo_form/DemoIcons.h"

#include <array>
#include <filesystem>

#include "container/AutomationError.h"
#include "menu/MenuRecords.h"

namespace {

constexpr std::array<std::string_view, 38> kItemIcons{
    "actions/document-new",          "actions/document-open",         "actions/document-save",
    "actions/document-save-as",      "actions/document-print-preview", "actions/document-print",
    "actions/document-properties",   "actions/system-log-out",        "actions/edit-undo",
    "actions/edit-redo",             "actions/edit-cut",              "actions/edit-copy",
    "actions/edit-paste",            "actions/edit-delete",           "actions/edit-select-all",
    "actions/edit-find",             "actions/edit-find-replace",     "actions/view-refresh",
    "actions/view-fullscreen",       "actions/format-text-bold",      "actions/format-text-italic",
    "actions/format-text-underline", "actions/format-justify-left",   "actions/format-justify-center",
    "actions/format-justify-right",  "actions/format-justify-fill",   "actions/format-indent-more",
    "actions/format-indent-less",    "actions/window-new",            "apps/help-browser",
    "apps/accessories-character-map", "apps/preferences-desktop-font", "apps/office-calendar",
    "mimetypes/image-x-generic",     "apps/accessories-text-editor",  "categories/preferences-system",
    "apps/preferences-desktop-theme", "actions/list-add",
};

constexpr std::array<std::string_view, 2> kHeaderIcons{
    "categories/preferences-system",
    "apps/help-browser",
};

constexpr char kPictureExtension[] = ".png";

}  // namespace

DemoIcons::DemoIcons(const std::string& folder) {
  for (std::string_view name : kItemIcons) Load(folder, *m_Items, m_ItemPositions, name);
  for (std::string_view name : kHeaderIcons) Load(folder, *m_Header, m_HeaderPositions, name);
}

void DemoIcons::Load(const std::string& folder, ImageList& list, Positions& positions, std::string_view name) {
  const std::string path = folder + "/" + std::string(name) + kPictureExtension;
  if (!std::filesystem::exists(path)) return;
  try {
    list.Images().AddFile(path);
  } catch (const AutomationError&) {
    return;  // not a picture: the item goes without an icon
  }
  positions.emplace(std::string(name), static_cast<std::int16_t>(list.Images().Count()));
}

std::int16_t DemoIcons::Find(const Positions& positions, std::string_view name) {
  const auto it = positions.find(name);
  return it == positions.end() ? kNoIcon : it->second;
}

std::int16_t DemoIcons::Item(std::string_view name) const { return Find(m_ItemPositions, name); }
std::int16_t DemoIcons::Header(std::string_view name) const { return Find(m_HeaderPositions, name); }
