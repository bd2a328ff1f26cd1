#pragma once
// Windows and the controls' cores belong to one thread, the interface thread:
// the thread of the application object, or the process's main thread while
// there is no application object. Code that must not run elsewhere asks here.
namespace platform {

bool isInterfaceThread();

} // namespace platform
