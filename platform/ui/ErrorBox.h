#pragma once
// Errors that escape an event handler are shown in the general error box.
// The program and the windows' test main install it before any window exists.
namespace platform {

void installErrorBox();

} // namespace platform
