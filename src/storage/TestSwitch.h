#pragma once
// The optional test switch file (testSwitchFilePath) that turns the hidden test mode on.

namespace varko {

// True when the file holds the white-space-separated token "PROBE_ALLOW", exactly and in upper
// case, anywhere among other words. Tokens are compared whole whatever their length, so one
// longer than 255 characters never matches, even when it ends with the word. A missing,
// unreadable or oversized file (FileIo.h) leaves test mode off.
bool readTestSwitch();

} // namespace varko
