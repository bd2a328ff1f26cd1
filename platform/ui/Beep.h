#pragma once
// The platform's warning sound. Tests put a hook in its place to count the
// beeps instead of sounding them.
#include <functional>

namespace platform {

void messageBeep();
// An empty hook gives the sound back to the platform.
void setMessageBeepHook(std::function<void()> hook);

} // namespace platform
