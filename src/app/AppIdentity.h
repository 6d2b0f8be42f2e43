#pragma once

// Who the running program is to the desktop: its name, the menu entry its
// windows belong to, and the icon every window carries.
namespace AppIdentity {

// Needs the QApplication.
void Apply();

}  // namespace AppIdentity
