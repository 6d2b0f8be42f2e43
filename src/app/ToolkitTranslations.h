#pragma once

// The toolkit's own words (file dialog, context menus, dates, sizes) in
// Italian, whatever the system's language: the whole program speaks Italian.
namespace ToolkitTranslations {

// Once per process; needs the application object.
void Install();

}  // namespace ToolkitTranslations
